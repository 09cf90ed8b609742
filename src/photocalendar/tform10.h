// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The report window "Bild - Kalender": owns the design of the calendar page report
// QRBildkalender (its fonts), shows a month page (monthpage.h) in a print preview from
// which it is printed or saved as PDF, and cleans up afterwards. The window itself is never
// shown.

#include "calendarreport.h"
#include "monthpage.h"

#include <QWidget>

class QPrinter;

namespace zuv::store { class Table; }
namespace zuv::bio { class BioPage; }

namespace zuv::photo {

// The preview's size on a screen's work area: most of its height with A4's proportions, but
// wide enough for the whole tool bar (toolbarWidth), so that printing and saving as PDF are
// never hidden behind the tool bar's overflow arrow; never larger than the area.
QSize previewDialogSize(const QRect& area, int toolbarWidth);

class TForm10 : public QWidget {
    Q_OBJECT
public:
    // The grid table and the month table stay the main window's; the bio page's chart is
    // recoloured and its refresh run when this window closes.
    TForm10(zuv::store::Table& CLDBildkalender, zuv::store::Table& CLDSBio,
            zuv::bio::BioPage& bioPage, QWidget* parent = nullptr);

    // The design: fonts and colours of the elements, changed by the photo page's font menus.
    CalendarReport QRBildkalender;

    // Shows page in the print preview (through dialogs().exec); returns when the preview is
    // closed. The after-preview steps run in any case.
    void preview(const MonthPage& page);
    // The page of the last preview as laid out (empty before the first).
    const ReportPage& lastPage() const { return m_laid; }
    // The month page shown; empty again after the preview.
    const MonthPage& monthPage() const { return m_page; }
    // "Als PDF speichern..." in the preview: asks for a file (through dialogs().exec) and
    // writes the last generated page to it as a one-page A4 PDF. Errors reach the error box.
    void AlsPdfSpeichern1Click(QWidget* parent);
    // Prints the last generated page on an A4 sheet of printer. Throws zuv::core::Error
    // with a German message when the job cannot start or fails.
    void printPage(QPrinter& printer) const;

    // What the elements print for the page shown: the title, a day cell of Monday
    // (QRDBText2) .. Sunday (QRDBText8) with its colour, and the summary.
    QString QRLabel1Print() const { return m_page.title; }
    PrintedCell QRDBText2Print(const DayCell& cell) const { return dayCellPrint(1, cell); }
    PrintedCell QRDBText3Print(const DayCell& cell) const { return dayCellPrint(2, cell); }
    PrintedCell QRDBText4Print(const DayCell& cell) const { return dayCellPrint(3, cell); }
    PrintedCell QRDBText5Print(const DayCell& cell) const { return dayCellPrint(4, cell); }
    PrintedCell QRDBText6Print(const DayCell& cell) const { return dayCellPrint(5, cell); }
    PrintedCell QRDBText7Print(const DayCell& cell) const { return dayCellPrint(6, cell); }
    PrintedCell QRDBText8Print(const DayCell& cell) const { return dayCellPrint(7, cell); }
    QString QRLabel10Print() const { return m_page.summaryText(); }

    // Report event and the window's close action.
    void QRBildkalenderAfterPreview();
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PrintedCell dayCellPrint(int weekday, const DayCell& cell) const;

    zuv::store::Table& m_grid;
    zuv::store::Table& m_bioTable;
    zuv::bio::BioPage& m_bioPage;
    MonthPage m_page;
    ReportPage m_laid;
};

} // namespace zuv::photo
