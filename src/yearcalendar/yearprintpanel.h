// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The year window's print controls: paper (A4, A3, A5), "Druckerei" (3 mm bleed and crop
// marks), the first month, and for the picture chosen among the thumbnails its fit
// (Zuschneiden, Einpassen, Verzerren) and focus (nine positions); below them the pictures
// that will print soft. Edits the print settings of the project it was given.

#include "yearprintsettings.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zuv::yearcal {

class YearPrintPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit YearPrintPanel(QWidget* parent = nullptr);

    void setSettings(const PrintSettings& settings);
    const PrintSettings& settings() const { return m_settings; }
    // The picture whose fit and focus the controls show and set; empty: none.
    void choosePicture(const QString& path);
    const QString& chosenPicture() const { return m_picture; }
    // "März, Bild 1: 96 ppi, wird unscharf", one a line; none hides the note.
    void showWarnings(const QStringList& warnings);

signals:
    void changed();

private:
    void showSettings();
    void takeSheet();
    void takePlacement();

    PrintSettings m_settings;
    QString m_picture;
    bool m_showing = false;
    QComboBox* m_paper = nullptr;
    QCheckBox* m_bleed = nullptr;
    QComboBox* m_firstMonth = nullptr;
    QLabel* m_pictureName = nullptr;
    QComboBox* m_fit = nullptr;
    QComboBox* m_focus = nullptr;
    QLabel* m_warnings = nullptr;
};

} // namespace zuv::yearcal
