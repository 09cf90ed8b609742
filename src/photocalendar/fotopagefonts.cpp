// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The photo page's font menus and what the page remembers of them and of its region.
#include "fotopagefonts.h"

#include "calendarreport.h"
#include "dialogs.h"
#include "fotopage.h"
#include "regions.h"
#include "settings.h"
#include "tform10.h"

#include <QComboBox>
#include <QFontDialog>

namespace zuv::photo {

using zuv::core::dialogs;

namespace {

const QString kRegion = QStringLiteral("FotoKalender/Bundesland");
const QString kFont = QStringLiteral("FotoKalender/Schrift_%1");
const QString kColour = QStringLiteral("FotoKalender/Schriftfarbe_%1");

const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

// A text element takes a font with its colour.
void applyFont(ReportText& element, const QFont& font, const QColor& colour)
{
    element.font = font;
    element.color = colour;
}

// The position of a region code in the "Bundesland" box; -1 for no region of its list.
int regionIndex(const QString& code)
{
    const auto regions = zuv::dates::yearCalendarRegions();
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (code == QLatin1String(regions[i].code.data(), qsizetype(regions[i].code.size())))
            return int(i);
    return -1;
}

} // namespace

QStringList fontMenuElements()
{
    QStringList names;
    for (int i = 1; i <= 8; ++i)
        names << QStringLiteral("QRLabel%1").arg(i);
    for (int i = 2; i <= 8; ++i)
        names << QStringLiteral("QRDBText%1").arg(i);
    return names;
}

QString readFotoPageRegion(const zuv::core::Settings& settings)
{
    const QString code = settings.string(kRegion);
    return regionIndex(code) >= 0 ? code : QString();
}

void writeFotoPageRegion(zuv::core::Settings& settings, const QString& code)
{
    settings.set(kRegion, code);
}

void readReportFonts(const zuv::core::Settings& settings, CalendarReport& report)
{
    for (const QString& name : fontMenuElements()) {
        ReportText& element = report.text(name);
        element.font = settings.font(kFont.arg(name), element.font);
        const QColor colour = QColor::fromString(settings.string(kColour.arg(name)));
        if (colour.isValid())
            element.color = colour;
    }
}

void writeReportFonts(zuv::core::Settings& settings, const CalendarReport& report)
{
    for (const QString& name : fontMenuElements()) {
        const ReportText& element = report.text(name);
        settings.setFont(kFont.arg(name), element.font);
        settings.set(kColour.arg(name), element.color.name());
    }
}

void FotoPage::restoreMemory()
{
    const zuv::core::Settings& store = zuv::core::settings();
    if (const int region = regionIndex(readFotoPageRegion(store)); region >= 0)
        m_ComboBox2->setCurrentIndex(region);
    readReportFonts(store, m_report.QRBildkalender);
}

void FotoPage::regionChosen()
{
    // Half a typed name is no region; a whole one is kept as if picked from the list.
    const QString code = chosenRegionCode();
    zuv::core::Settings& store = zuv::core::settings();
    if (m_restoring || code.isEmpty() || code == readFotoPageRegion(store))
        return;
    writeFotoPageRegion(store, code);
    store.sync();
}

void FotoPage::keepFonts()
{
    zuv::core::Settings& store = zuv::core::settings();
    writeReportFonts(store, m_report.QRBildkalender);
    store.sync();
}

QFontDialog& FotoPage::FontDialog1()
{
    if (!m_FontDialog1) {
        m_FontDialog1 = new QFontDialog(m_fontDialogFont, this);
        m_FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
        m_FontDialog1->setOption(QFontDialog::DontUseNativeDialog);
    }
    return *m_FontDialog1;
}

bool FotoPage::runFontDialog()
{
    FontDialog1().setCurrentFont(m_fontDialogFont);
    const bool confirmed = dialogs().exec(FontDialog1()) == QDialog::Accepted;
    if (confirmed)
        m_fontDialogFont = FontDialog1().currentFont();
    return confirmed;
}

void FotoPage::SchriftartTitel1Click()
{
    ReportText& title = m_report.QRBildkalender.text(QStringLiteral("QRLabel1"));
    if (runFontDialog())
        applyFont(title, m_fontDialogFont, m_fontDialogColour);
    else
        applyFont(title, m_report.QRBildkalender.TitleBand1.font,
                  m_report.QRBildkalender.TitleBand1.fontColor);
    keepFonts();
}

void FotoPage::SchriftartWochentage1Click()
{
    runFontDialog();
    CalendarReport& report = m_report.QRBildkalender;
    for (int w = 1; w <= 7; ++w)
        applyFont(report.heading(w), m_fontDialogFont, m_fontDialogColour);
    report.heading(6).color = kBlue;
    report.heading(7).color = kRed;
    keepFonts();
}

void FotoPage::SchriftartTageszahlen1Click()
{
    runFontDialog();
    CalendarReport& report = m_report.QRBildkalender;
    for (int w = 1; w <= 5; ++w)
        applyFont(report.dayCell(w), m_fontDialogFont, m_fontDialogColour);
    // Saturday and Sunday take name, size and style only; their colours are fixed.
    for (int w = 6; w <= 7; ++w) {
        QFont f = report.dayCell(w).font;
        f.setFamily(m_fontDialogFont.family());
        f.setPointSizeF(m_fontDialogFont.pointSizeF());
        f.setBold(m_fontDialogFont.bold());
        f.setItalic(m_fontDialogFont.italic());
        f.setUnderline(m_fontDialogFont.underline());
        f.setStrikeOut(m_fontDialogFont.strikeOut());
        report.dayCell(w).font = f;
    }
    report.dayCell(6).color = kBlue;
    report.dayCell(7).color = kRed;
    keepFonts();
}

void FotoPage::Standard1Click()
{
    CalendarReport& report = m_report.QRBildkalender;
    applyFont(report.text(QStringLiteral("QRLabel1")), report.TitleBand1.font,
              report.TitleBand1.fontColor);
    for (int w = 1; w <= 7; ++w)
        applyFont(report.heading(w), report.ColumnHeaderBand1.font,
                  report.ColumnHeaderBand1.fontColor);
    report.heading(6).color = kBlue;
    report.heading(7).color = kRed;
    for (int w = 1; w <= 7; ++w)
        applyFont(report.dayCell(w), report.DetailBand1.font, report.DetailBand1.fontColor);
    report.dayCell(6).color = kBlue;
    report.dayCell(7).color = kRed;
    keepFonts();
}

} // namespace zuv::photo
