// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The about box "Info ": product name, version read from the executable's file, maker line,
// program icon and the maker's web address, which opens in the browser when clicked.
// Created once at program start; shown modally by Info1Click.

#include <QDialog>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QUrl;

namespace zuv::info {

// Position and size of one control in pixels (Panel1 and OKButton in the client area, the
// others inside Panel1). Labels grow wider when their text needs it.
struct ControlPlace {
    const char* name;
    QRect rect;
};

inline constexpr QSize kAboutBoxClientSize{298, 213};
inline constexpr std::array<ControlPlace, 8> kAboutBoxLayout = {{
    {"Panel1", {8, 8, 281, 161}},
    {"ProgramIcon", {8, 8, 33, 33}},
    {"ProductName", {176, 16, 76, 17}},
    {"Version", {176, 40, 65, 13}},
    {"Copyright", {8, 96, 135, 13}},
    {"Label4", {8, 128, 42, 13}},
    {"Label3", {56, 128, 123, 13}},
    {"OKButton", {111, 180, 75, 25}},
}};

inline constexpr const char* kMakerLine = "Copyright © 2026 Zuvododerod-Projekt";
inline constexpr const char* kWebAddress = "www.zuvododerod.de";

// Opens an address with the system's default handler; returns false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;
// Replaces the opener (tests); an empty function returns to QDesktopServices::openUrl.
void setUrlOpener(UrlOpener opener);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Builds the window; reads nothing (see FormCreate).
    explicit TAboutBox(QWidget* parent = nullptr);

    // Reads the version of the executable at executablePath once and shows it as
    // "Version: " + the version text ("?" when unreadable).
    void FormCreate(const QString& executablePath);
    // Opens the address shown in Label3; a failure is ignored.
    void Label3Click();

    QFrame* Panel1() const { return m_Panel1; }
    QLabel* ProgramIcon() const { return m_ProgramIcon; }
    QLabel* ProductName() const { return m_ProductName; }
    QLabel* Version() const { return m_Version; }
    QLabel* Copyright() const { return m_Copyright; }
    QLabel* Label4() const { return m_Label4; }
    QLabel* Label3() const { return m_Label3; }
    QPushButton* OKButton() const { return m_OKButton; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();

    QFrame* m_Panel1 = nullptr;
    QLabel* m_ProgramIcon = nullptr;
    QLabel* m_ProductName = nullptr;
    QLabel* m_Version = nullptr;
    QLabel* m_Copyright = nullptr;
    QLabel* m_Label4 = nullptr;
    QLabel* m_Label3 = nullptr;
    QPushButton* m_OKButton = nullptr;
};

// "Hilfe" > "Info": shows the about box modally through zuv::core::dialogs().
int Info1Click(TAboutBox& box);

} // namespace zuv::info
