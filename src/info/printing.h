// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The "Datei" menu's printing: choosing the printer and printing the biorhythm month chart
// on one landscape page of it.

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace zuv::bio { class BioPage; class BioMonthModel; }
namespace zuv::core { class Settings; }

namespace zuv::info {

// The chart's print resolution set before every print: the chart is laid out 25 % larger
// than on screen and then scaled onto the page, so text and lines come out finer on paper.
inline constexpr int kPrintResolution = 25;
// Name of the chart property that holds the print resolution (percent).
inline constexpr const char* kPrintResolutionProperty = "PrintResolution";
// Print margins in percent of the printable width (left, right) and height (top, bottom).
inline constexpr int kPrintMarginPercent = 5;
// Size of the month chart at design, used when the chart has no size of its own yet.
inline constexpr QSize kDesignChartSize{793, 287};

// The printer of the program: one for the whole run, created on first use. What the printer
// dialog chooses stays in it for every later print.
QPrinter& currentPrinter();
// The printer choice of an earlier run, kept in settings: a PDF file (asked for again at each
// print, the last one offered) or a system printer that still exists, and the paper. A
// printer gone since leaves the system's default.
void restorePrinterChoice(QPrinter& printer, const core::Settings& kept);
// Keeps printer's choice for the next run (after the printer dialog or a chosen PDF file).
void savePrinterChoice(const QPrinter& printer, core::Settings& kept);
// True when the printer can take a job: a named system printer or a PDF file to write.
bool hasPrinter(const QPrinter& printer);

// The printer dialog's confirming button: it applies the choice, it prints nothing.
inline constexpr const char* kApplyPrinterText = "&Übernehmen";

// Runs the printer dialog (printer, paper, orientation) for currentPrinter() through
// zuv::core::dialogs(). Choosing a PDF file as printer asks nothing more: the file is asked
// for at each print (choosePdfTarget). Cancelling leaves the printer as it was. Returns the
// dialog's code.
int Druckerauswhlen1Click(QWidget* parent);

// Before a print on a PDF printer the user chose: the target file from a save dialog (last
// file or "Zuvododerod.pdf" in the documents folder offered). False when cancelled; true
// at once for every other printer.
bool choosePdfTarget(QWidget* parent, QPrinter& printer);

// Where a finished print went, for the status bar: "Gedruckt auf „name“" or
// "Gespeichert: file".
QString printedToText(const QPrinter& printer);

// Why a print job could not start, in German: the PDF file's folder is missing, the target
// is a folder, writing is not permitted, or the printer takes no jobs.
QString printStartFailureCause(const QPrinter& printer);

// Where the chart goes on the page, in the printer's device pixels: inside the print
// margins of paper, as large as possible with the chart's aspect ratio, centred.
// Integer arithmetic; an empty chart size fills the area inside the margins.
QRect chartPrintRect(const QRect& paper, const QSize& chartSize);

// The size the month chart is laid out at on screen (its size on the page divided by the
// page's content scale); the design size while the page has given none.
QSize chartScreenSize(const bio::BioMonthModel& month);

// Draws the model's month in its colours, without exclusive-or marks, laid out at its
// screen size enlarged by resolution percent, stretched into target of painter.
void renderChartPage(QPainter& painter, const QRect& target, const bio::BioMonthModel& month,
                     int resolution);

// Prints the model's month chart on printer as one landscape page in a job titled title:
// sets the printer's landscape orientation (kept for later jobs), then renders. Throws
// zuv::core::Error with a German message when there is no printer or the job fails (an
// unfinished job is aborted).
void printChart(const bio::BioMonthModel& month, int resolution, const QString& title,
                QPrinter& printer);

// Prints the page's month chart on printer: print colours, the chart's print resolution,
// printChart in a job named after the chart ("DBChart1"), then the page's refresh, which
// brings the screen colours back. On an error the refresh is skipped and the chart keeps
// the print colours; the error is thrown on.
void printMonthChart(bio::BioPage& page, QPrinter& printer);

// "Drucken": printMonthChart on currentPrinter(); an error is shown in the error box.
// Returns false when printing failed.
bool Drucken3Click(bio::BioPage& page);

} // namespace zuv::info
