// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The handlers of the biorhythm page: each reads the controls, calls into the logic of
// biorhythm.h, monthchart.h and daychart.h, and writes the result back.

#include "biopage.h"

#include "biomonth.h"
#include "biorhythm.h"
#include "daychart.h"
#include "daypicker.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "namelist.h"
#include "programfolder.h"
#include "pagewidgets.h"
#include "tform3.h"
#include "zodiac.h"

#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>

namespace zuv::bio {


using zuv::core::dialogs;
using zuv::core::guarded;
using zuv::core::parseDate;

std::optional<QDate> BioPage::birthDateOrAsk()
{
    const std::optional<QDate> birth = parseDate(m_MaskEdit1->text());
    if (!birth) {
        dialogs().information(this, msgNoBirthDate());
        m_MaskEdit1->setFocus();
    }
    return birth;
}

void BioPage::Button4Click()
{
    guarded(this, [this] {
        const std::optional<QDate> birth = birthDateOrAsk();
        if (!birth)
            return;
        const int Month = month();
        if (m_DTP1->value() < QDateTime(*birth, QTime(0, 0), QTimeZone::utc())) {
            // A birth date the picker cannot take leaves it where it is.
            try {
                m_DTP1->setDate(*birth);
            } catch (const zuv::core::Error&) {
            }
        }
        if (monthBeforeBirth(*birth, year(), Month)) {
            dialogs().information(this, msgBeforeBirth());
            m_ComboBox4->setFocus();
            return;
        }
        const int Year = year();
        const MonthBounds bounds = monthBounds(Year, Month);
        m_DTP1->limitTo(bounds.first, bounds.last);
        showWeekday();
        // Once the day chart names its day, it follows the picker wherever the month moved it.
        if (!m_DBChart2->model().title.isEmpty()) {
            m_DBChart2->model().title = QStringList{dayChartTitle(m_DTP1->date())};
            m_DBChart2->update();
        }
        BiorhtClick(Year, Month, bounds.first, bounds.last, *birth, ChartColours::Screen);
        ShowZodiacSign(*birth);
    });
}

void BioPage::BiorhtClick(int Year, int Month, [[maybe_unused]] QDate FirstDay,
                          [[maybe_unused]] QDate LastDay, QDate BirthDate, ChartColours colours)
{
    // The month knows its own first and last day; the callers pass the same.
    Q_ASSERT(FirstDay == monthBounds(Year, Month).first && LastDay == monthBounds(Year, Month).last);
    const QString name = m_CheckBox4->isChecked() ? m_ComboBox3->currentText() : QString();
    BioMonth month = biorhythmMonth(name, BirthDate, Year, Month, m_DTP1->value());
    reopenEmpty(m_CLDSBio, kMonthTableFile, monthTableFields());
    fillMonthTable(m_CLDSBio, month.days);
    reopenEmpty(m_CLDProzent, kDayPercentFile, dayPercentTableFields());
    copyDayPercent(m_CLDSBio, m_CLDProzent, m_DTP1->date());
    m_month.setMonth(std::move(month), colours);
}

void BioPage::DTP1Change()
{
    guarded(this, [this] {
        const std::optional<QDate> birth = birthDateOrAsk();
        if (!birth)
            return;
        const int Month = month();
        if (m_DTP1->date() < *birth)
            m_DTP1->setDate(*birth);
        const int Year = year();
        const MonthBounds bounds = monthBounds(Year, Month);
        BiorhtClick(Year, Month, bounds.first, bounds.last, *birth, ChartColours::Screen);
        m_DBChart2->model().title = QStringList{dayChartTitle(m_DTP1->date())};
        m_DBChart2->update();
        showWeekday();
    });
}

void BioPage::MaskEdit1Exit()
{
    const std::optional<QDate> birth = birthDateOrAsk();
    if (!birth)
        return;
    guarded(this, [&] { ShowZodiacSign(*birth); });
}

void BioPage::ComboBox4Select()
{
    Button4Click();
}

void BioPage::UpDown5Click()
{
    Button4Click();
}

void BioPage::DBChart1AfterDraw(QPainter& painter, const QRect& plot)
{
    drawMonthChartMarks(painter, plot, m_DBChart1->model(), m_month.month(), m_month.options());
}

void BioPage::DrawCross(QPainter& painter, int X, const QRect& plot)
{
    const MonthChartOptions look = m_month.options();
    drawMarkerBand(painter, X, plot, look.markerColour, look.markerStyle);
}

void BioPage::DBChart1GetAxisLabel(zuv::charts::AxisId axis, const QString& text,
                                   QColor& colour)
{
    if (axis == zuv::charts::AxisId::Bottom)
        colour = dayLabelColour(text, m_DBChart1->model().gradientStart);
}

void BioPage::DBChart2AfterDraw(QPainter& painter, const QRect& plot)
{
    drawZeroLine(painter, plot, 1);
    fixDayBarWidth(m_DBChart2->model());
}

void BioPage::ShowZodiacSign(const QDate& birth)
{
    const zuv::people::ZodiacSign& sign = zuv::people::zodiacSignFor(birth);
    zuv::people::applyZodiacSign(sign, *m_Label3, *m_Image2, *m_Image3, *m_RichEdit1,
                                 zuv::core::programFolder());
    for (QLabel* picture : {static_cast<QLabel*>(m_Image2), m_Image3})
        picture->setAccessibleName(tr("Sternzeichen %1").arg(sign.sign));
}

void BioPage::Image2Click()
{
    guarded(this, [this] {
        const std::optional<QDate> birth = parseDate(m_MaskEdit1->text());
        if (!birth)
            throw zuv::core::Error(tr("'%1' ist kein gültiges Datum.").arg(m_MaskEdit1->text()));
        ShowZodiacSign(*birth);
    });
}

void BioPage::ComboBox3Select()
{
    const auto found = zuv::people::lookupBirthDate(m_CDSNamensliste, m_ComboBox3->currentText());
    if (!found)
        return;
    if (!found->hasBirthDate()) {
        dialogs().information(this, msgNoBirthDateInList());
        return;
    }
    m_MaskEdit1->setText(zuv::core::formatDate(found->birthDate));
    Button4Click();
}

void BioPage::ComboBox3DblClick()
{
    if (m_ComboBox3->currentIndex() >= 0)
        m_ComboBox3->setCurrentIndex(-1);
}

void BioPage::StaticText5Click()
{
    if (!m_nameList && m_makeNameList)
        m_makeNameList();
    if (m_nameList)
        m_nameList->showNameList();
}

void BioPage::CDSNamenslisteAfterPost()
{
    followNameTable();
}

void BioPage::CDSNamenslisteAfterDelete()
{
    followNameTable();
}

void BioPage::followNameTable()
{
    refillNameBox(true);
    if (m_nameList)
        m_nameList->followTableCursor();
}

} // namespace zuv::bio
