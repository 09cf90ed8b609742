// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "importpreview.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace zuv::exchange {

namespace {

bool sameEntry(const NamedDate& a, const QString& name, const QDate& date)
{
    return a.date == date && a.name.trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

int ImportPreview::count(RowStatus status) const
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [status](const PreviewRow& r) { return r.status == status; }));
}

std::vector<NamedDate> ImportPreview::toAdd() const
{
    std::vector<NamedDate> list;
    for (const PreviewRow& r : rows)
        if (r.status == RowStatus::Add)
            list.push_back({r.name, r.birthDate});
    return list;
}

ImportPreview previewImport(const ContactFile& contacts, const std::vector<NamedDate>& existing,
                            int maxNameLength)
{
    ImportPreview preview;
    preview.withoutBirthday = contacts.withoutBirthday;
    std::vector<NamedDate> known = existing;
    for (const ContactEntry& e : contacts.entries) {
        PreviewRow row;
        row.name = e.name.simplified();
        row.shortened = row.name.size() > maxNameLength;
        if (row.shortened)
            row.name = row.name.left(maxNameLength).trimmed();
        row.source = e.birthdayText;
        row.line = e.line;
        if (e.birthday.status == DateStatus::NoYear) {
            row.status = RowStatus::NoYear;
        } else if (e.birthday.status != DateStatus::Ok || row.name.isEmpty()) {
            row.status = RowStatus::Unreadable;
        } else {
            row.birthDate = e.birthday.date;
            const bool there = std::any_of(known.begin(), known.end(), [&](const NamedDate& k) {
                return sameEntry(k, row.name, row.birthDate);
            });
            row.status = there ? RowStatus::AlreadyThere : RowStatus::Add;
            if (!there)
                known.push_back({row.name, row.birthDate});
        }
        preview.rows.push_back(row);
    }
    return preview;
}

QString rowStatusText(const PreviewRow& row)
{
    struct Text {
        RowStatus status;
        const char* text;
    };
    static constexpr Text kTexts[] = {
        {RowStatus::Add, QT_TRANSLATE_NOOP("Exchange", "wird hinzugefügt")},
        {RowStatus::AlreadyThere, QT_TRANSLATE_NOOP("Exchange", "schon vorhanden")},
        {RowStatus::NoYear, QT_TRANSLATE_NOOP("Exchange", "ohne Geburtsjahr übersprungen")},
        {RowStatus::Unreadable, QT_TRANSLATE_NOOP("Exchange", "nicht lesbar")},
    };
    QString text;
    for (const Text& t : kTexts)
        if (t.status == row.status)
            text = QCoreApplication::translate("Exchange", t.text);
    if (row.shortened)
        text += QCoreApplication::translate("Exchange", " (Name gekürzt)");
    return text;
}

QString previewSummary(const ImportPreview& preview)
{
    QStringList parts;
    const int added = preview.count(RowStatus::Add);
    parts << (added == 1 ? QCoreApplication::translate("Exchange", "%1 Name neu")
                         : QCoreApplication::translate("Exchange", "%1 Namen neu"))
                 .arg(added);
    parts << QCoreApplication::translate("Exchange", "%1 schon vorhanden")
                 .arg(preview.count(RowStatus::AlreadyThere));
    parts << QCoreApplication::translate("Exchange", "%1 ohne Geburtsjahr übersprungen")
                 .arg(preview.count(RowStatus::NoYear));
    parts << QCoreApplication::translate("Exchange", "%1 nicht lesbar")
                 .arg(preview.count(RowStatus::Unreadable));
    if (preview.withoutBirthday > 0)
        parts << QCoreApplication::translate("Exchange", "%1 ohne Geburtstag").arg(preview.withoutBirthday);
    return parts.join(QStringLiteral(", "));
}

} // namespace zuv::exchange
