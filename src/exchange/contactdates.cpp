// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "contactdates.h"

#include <QRegularExpression>

#include <vector>

namespace zuv::exchange {

namespace {

// One written form: the capture group of year, month and day (0: the form has no year).
struct DateForm {
    const char* pattern;
    int year;
    int month;
    int day;
};

// Walked in order; the first that matches decides. A time after the date is ignored.
constexpr DateForm kForms[] = {
    {R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[T ].*)?$)", 1, 2, 3},   // ISO, vCard 4.0
    {R"(^(\d{4})(\d{2})(\d{2})(?:T.*)?$)", 1, 2, 3},            // ISO basic, vCard 3.0
    {R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})(?: .*)?$)", 3, 2, 1},    // German
    {R"(^(\d{1,2})/(\d{1,2})/(\d{4})(?: .*)?$)", 3, 1, 2},      // US: month first
    {R"(^--(\d{2})-?(\d{2})$)", 0, 1, 2},                       // vCard without year
    {R"(^(\d{1,2})\.(\d{1,2})\.$)", 0, 2, 1},                   // German without year
};

const std::vector<QRegularExpression>& compiledForms()
{
    static const std::vector<QRegularExpression> compiled = [] {
        std::vector<QRegularExpression> v;
        for (const DateForm& f : kForms)
            v.emplace_back(QString::fromLatin1(f.pattern));
        return v;
    }();
    return compiled;
}

// What programs write for "no birthday".
bool isEmptyDate(const QString& t)
{
    static const QRegularExpression zeros(QStringLiteral(R"(^[0.\-/ :]*$)"));
    return t.isEmpty() || zeros.match(t).hasMatch();
}

} // namespace

ContactDate parseContactDate(const QString& text)
{
    const QString t = text.trimmed();
    if (isEmptyDate(t))
        return {DateStatus::Empty, {}};
    const std::vector<QRegularExpression>& patterns = compiledForms();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const DateForm& form = kForms[i];
        const QRegularExpressionMatch m = patterns[i].match(t);
        if (!m.hasMatch())
            continue;
        const int month = m.captured(form.month).toInt();
        const int day = m.captured(form.day).toInt();
        if (form.year == 0) {
            // 29 February is a day without a year.
            return QDate(2000, month, day).isValid() ? ContactDate{DateStatus::NoYear, {}}
                                                     : ContactDate{DateStatus::Unreadable, {}};
        }
        const QDate date(m.captured(form.year).toInt(), month, day);
        if (!date.isValid() || date.year() < 1)
            return {DateStatus::Unreadable, {}};
        return {DateStatus::Ok, date};
    }
    return {DateStatus::Unreadable, {}};
}

} // namespace zuv::exchange
