// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The name-list window "Namensliste": a grid over the main window's name table in which
// people are added, changed and deleted, with a delete and a close button. Modeless,
// created once and shown again on request.

#include "table.h"

#include <QDialog>
#include <QString>

#include <optional>

class QAction;
class QPushButton;
class QTableView;

namespace zuv::people {

class NameListModel;
class NameListDelegate;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // names is the main window's name table; it must stay alive while the window is used.
    // A pending edit is posted when the window closes and when the application quits.
    explicit TForm3(zuv::store::Table* names, QWidget* parent = nullptr);
    explicit TForm3(zuv::store::Table& names, QWidget* parent = nullptr)
        : TForm3(&names, parent) {}
    ~TForm3() override;

    // Shows the window, or brings it to the front when it is already open.
    void showNameList();
    // After a refill of the name box walked the table to its end, the grid's current row
    // follows it to the last name, as a data grid on that table shows it.
    void followTableCursor();

    QTableView* DBGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;   // "&Einlesen…": names from a vCard or CSV file
    NameListModel* model() const { return m_model; }
    NameListDelegate* delegate() const { return m_delegate; }

    void Button1Click();   // "&Fenster schliessen"
    void Button2Click();   // "&Name löschen": deletes the grid's current row, no question
    // Ctrl+Z: since a delete asks nothing, the last deleted name comes back as a new row.
    void undoDelete();
    bool canUndoDelete() const { return m_lastDeleted.has_value(); }
    void Button3Click();   // "&Einlesen…": nameimportdialog.h
    void FormClose();      // posts a pending change; a failing post is ignored

    // "&Geburtstagskalender...", in the window's context menu (the window keeps its size):
    // asks for the perpetual birthday calendar of the names, which the program makes.
    QAction* BirthdayCalendarAction = nullptr;

signals:
    void birthdayCalendarRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;

private:
    struct DeletedName {
        QString name;
        QString birthDate;   // "dd.mm.yyyy" or empty
    };

    void DBGrid1RowChanged(int currentRow, int previousRow);
    // A filled new row is stored and the next one begins in the name column.
    void startNextRowIfComplete();

    zuv::store::Table* m_names;
    NameListModel* m_model = nullptr;
    NameListDelegate* m_delegate = nullptr;
    bool m_placed = false;
    bool m_inRowChange = false;
    std::optional<DeletedName> m_lastDeleted;
};

} // namespace zuv::people
