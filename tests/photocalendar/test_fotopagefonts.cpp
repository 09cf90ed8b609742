// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The photo page's region and the calendar page's fonts outlast a restart: the page and its
// report window are made anew on the same settings file, as at the next start.

#include "calendarreport.h"
#include "photofixture.h"

#include <QFontDialog>

namespace {

using zuv::photo::CalendarReport;

class FotoPageMemoryTest : public PhotoFixture {
protected:
    void restart()
    {
        page.reset();
        report.reset();
        zuv::core::reopenSettings();   // written, then read afresh from the same file
        report = std::make_unique<zuv::photo::TForm10>(grid, bio, *bioPage);
        page = std::make_unique<zuv::photo::FotoPage>(grid, *bioPage, *report);
        page->initialise(kToday);
    }
    void confirmFont(const QFont& font)
    {
        dialogs.answer = [font](QDialog& d) {
            qobject_cast<QFontDialog*>(&d)->setCurrentFont(font);
            return int(QDialog::Accepted);
        };
    }
    // Fonts and colours of the elements the font menus change, as the report holds them.
    static QStringList fonts(CalendarReport& r)
    {
        QStringList out;
        for (const QString& name : zuv::photo::fontMenuElements())
            out << name + QLatin1Char(' ') + r.text(name).font.toString() + QLatin1Char(' ') + r.text(name).color.name();
        return out;
    }
    QString region() const { return page->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText(); }
};

// A family the font dialog offers here (fonts-dejavu-core).
QFont serif(int points)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSize(points);
    f.setItalic(true);
    return f;
}

TEST_F(FotoPageMemoryTest, RegionAndFontsComeBackAndStandardIsKeptToo)
{
    CalendarReport design;
    child<QComboBox>("ComboBox2")->setCurrentText(QStringLiteral("Wien"));
    // Half a name typed afterwards is no choice: Wien stays the kept region.
    child<QComboBox>("ComboBox2")->setCurrentText(QStringLiteral("Bay"));
    confirmFont(serif(30));
    page->SchriftartTitel1Click();
    confirmFont(serif(14));
    page->SchriftartTageszahlen1Click();
    const auto chosen = fonts(report->QRBildkalender);
    ASSERT_NE(chosen, fonts(design));

    restart();
    EXPECT_EQ(region(), QStringLiteral("Wien"));
    EXPECT_EQ(page->chosenRegionCode(), QStringLiteral("W"));
    EXPECT_EQ(fonts(report->QRBildkalender), chosen);
    // The title's confirmed font is black, the weekend's day numbers keep blue and red.
    EXPECT_EQ(report->QRBildkalender.text(QStringLiteral("QRLabel1")).color, QColor(Qt::black));
    EXPECT_EQ(report->QRBildkalender.dayCell(7).color, QColor(0xFF, 0, 0));

    page->Standard1Click();
    restart();
    EXPECT_EQ(fonts(report->QRBildkalender), fonts(design));
    EXPECT_EQ(region(), QStringLiteral("Wien"));
}

TEST_F(FotoPageMemoryTest, DamagedValuesGiveTheDefaults)
{
    zuv::core::Settings& store = zuv::core::settings();
    store.set(QStringLiteral("FotoKalender/Bundesland"), QStringLiteral("ZZH"));   // Zürich: not offered
    store.set(QStringLiteral("FotoKalender/Schrift_QRLabel1"), QStringLiteral("Kursiv, bitte"));
    store.set(QStringLiteral("FotoKalender/Schrift_QRLabel2"), QStringLiteral("DejaVu Serif,9000,-1,5,400,0,0,0,0,0"));
    store.set(QStringLiteral("FotoKalender/Schriftfarbe_QRLabel3"), QStringLiteral("grünlich"));
    // A good value among them still counts.
    store.setFont(QStringLiteral("FotoKalender/Schrift_QRDBText2"), serif(20));
    restart();
    EXPECT_EQ(region(), QStringLiteral("Baden-Württemberg"));
    CalendarReport design;
    auto expected = fonts(design);
    const int dbText2 = int(zuv::photo::fontMenuElements().indexOf(QStringLiteral("QRDBText2")));
    expected[dbText2] = QStringLiteral("QRDBText2 ") + serif(20).toString() + QStringLiteral(" #000000");
    EXPECT_EQ(fonts(report->QRBildkalender), expected);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
