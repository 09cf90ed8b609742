// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "regionmonthnames.h"

#include "germandate.h"
#include "regions.h"

#include <QCoreApplication>

namespace zuv::photo {

namespace {

struct AustrianName {
    int month;
    const char* name;   // UTF-8 source text, translated when asked for
};
// Only these two differ from the German names.
constexpr AustrianName kAustrianNames[] = {
    {1, QT_TRANSLATE_NOOP("Dates", "Jänner")},
    {2, QT_TRANSLATE_NOOP("Dates", "Feber")},
};

} // namespace

bool isAustrianRegion(const QString& code)
{
    const std::string text = code.toStdString();
    const zuv::dates::Region* region = zuv::dates::regionOfCode(text);
    return region && region->country == zuv::dates::Country::Austria;
}

MonthNaming defaultNaming(const QString& regionCode)
{
    return isAustrianRegion(regionCode) ? MonthNaming::Austrian : MonthNaming::German;
}

QString regionMonthName(int month, MonthNaming naming)
{
    if (month < 1 || month > 12)
        return {};
    if (naming == MonthNaming::Austrian)
        for (const AustrianName& a : kAustrianNames)
            if (a.month == month)
                return QCoreApplication::translate("Dates", a.name);
    return zuv::core::monthName(month);
}

} // namespace zuv::photo
