// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearevents.h"

#include "dialogs.h"
#include "krv_calendar.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <algorithm>
#include <string>

namespace zuv::exchange {

namespace {

const QString kUidDomain = QStringLiteral("@zuvododerod");

// A short fingerprint of what identifies a series, for UIDs that carry no raw names.
QString fingerprint(const QString& key)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString germanDate(const QDate& d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString ageText(const QString& name, int age, const QDate& shown, const QDate& born)
{
    if (age == 0)
        return QCoreApplication::translate("Exchange", "%1 ist am %2 geboren.").arg(name, germanDate(born));
    const QString text = age == 1
        ? QCoreApplication::translate("Exchange", "%1 wird am %2 %3 Jahr alt (geboren am %4).")
        : QCoreApplication::translate("Exchange", "%1 wird am %2 %3 Jahre alt (geboren am %4).");
    return text.arg(name, germanDate(shown)).arg(age).arg(germanDate(born));
}

} // namespace

std::vector<ExportEvent> holidayEvents(int year, const QString& regionCode)
{
    const std::string code = regionCode.toStdString();
    const auto& codes = KRV_Calendar::kRegionCodes;
    if (std::find(codes.begin(), codes.end(), code) == codes.end())
        throw zuv::core::Error(
            QCoreApplication::translate("Exchange", "Unbekannte Region: %1").arg(regionCode));
    if (year < 1 || year > 9999)
        throw zuv::core::Error(
            QCoreApplication::translate("Exchange", "Das Jahr %1 liegt nicht zwischen 1 und 9999.")
                .arg(year));

    const std::vector<KRV_Calendar::TDayInfo> days =
        KRV_Calendar::GetYearInfo(KRV_Calendar::RegionIndex(code), year);
    std::vector<ExportEvent> events;
    const QDate jan1(year, 1, 1);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const KRV_Calendar::TDayInfo& info = days[i];
        if (!info.IsHoliday || info.Names.empty())
            continue;
        const QDate day = jan1.addDays(static_cast<qint64>(i));
        ExportEvent e;
        e.uid = QStringLiteral("feiertag-%1-%2").arg(regionCode, day.toString(QStringLiteral("yyyyMMdd")))
            + kUidDomain;
        e.summary = QString::fromStdString(info.Names).simplified();
        e.category = QCoreApplication::translate("Exchange", "Feiertag");
        e.first = e.last = day;
        events.push_back(e);
    }
    return events;
}

std::vector<ExportEvent> birthdayEvents(const std::vector<NamedDate>& people, int year)
{
    std::vector<ExportEvent> events;
    for (const NamedDate& p : people) {
        const QString name = p.name.trimmed();
        if (!p.date.isValid() || name.isEmpty() || p.date.year() > year)
            continue;
        const int lastDay = QDate(year, p.date.month(), 1).daysInMonth();
        const QDate shown(year, p.date.month(), std::min(p.date.day(), lastDay));
        const bool leapDay = p.date.month() == 2 && p.date.day() == 29;
        ExportEvent e;
        // Name and birth date, not the year: exporting another year updates the same series.
        e.uid = QStringLiteral("geburtstag-") + fingerprint(name + QLatin1Char('|') + germanDate(p.date))
            + kUidDomain;
        e.summary = QCoreApplication::translate("Exchange", "Geburtstag: %1").arg(name);
        e.description = ageText(name, year - p.date.year(), shown, p.date);
        e.category = QCoreApplication::translate("Exchange", "Geburtstag");
        e.first = e.last = shown;
        e.repeat = leapDay ? Repeat::LastDayOfFebruary : Repeat::Yearly;
        events.push_back(e);
    }
    return events;
}

std::vector<ExportEvent> markedDayEvents(const std::vector<NamedDate>& days, const QString& kind,
                                         const QString& owner, const QString& category,
                                         const QString& description)
{
    std::vector<ExportEvent> events;
    const QString key = fingerprint(owner);
    for (const NamedDate& d : days) {
        if (!d.date.isValid())
            continue;
        ExportEvent e;
        e.uid = QStringLiteral("%1-%2-%3").arg(kind, key, d.date.toString(QStringLiteral("yyyyMMdd")))
            + kUidDomain;
        e.summary = d.name;
        e.description = description;
        e.category = category;
        e.first = e.last = d.date;
        events.push_back(e);
    }
    return events;
}

} // namespace zuv::exchange
