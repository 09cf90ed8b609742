// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "contacts.h"

#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace zuv::exchange {

namespace {

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        return QString(utf16(bytes.mid(2)));
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(body);
    if (!utf8.hasError())
        return text;
    // German Windows programs write their own code page; Latin-1 reads its letters.
    return QString::fromLatin1(body);
}

// ---- vCard ---------------------------------------------------------------------------

struct VLine {
    QString name;         // upper case, without group ("item1.")
    QStringList params;   // upper case, "VALUE=TEXT", "ENCODING=QUOTED-PRINTABLE"
    QString value;
    int line = 0;
};

QString unescape(const QString& v)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == QLatin1Char('\\') && i + 1 < v.size()) {
            const QChar c = v[++i];
            out += (c == QLatin1Char('n') || c == QLatin1Char('N')) ? QChar(QLatin1Char(' ')) : c;
        } else {
            out += v[i];
        }
    }
    return out;
}

QString quotedPrintable(const QString& v)
{
    QByteArray out;
    const QByteArray in = v.toLatin1();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size()) {
            bool ok = false;
            const int c = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += static_cast<char>(c);
                i += 2;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

// Unfolds continuation lines (leading blank; quoted-printable soft breaks "=") and splits
// each logical line into name, parameters and value.
std::vector<VLine> vcardLines(const QString& text)
{
    std::vector<VLine> lines;
    const QStringList raw = text.split(QLatin1Char('\n'));
    QString current;
    int currentLine = 0;
    auto flush = [&] {
        if (current.isEmpty())
            return;
        const qsizetype colon = current.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            QStringList head = current.left(colon).split(QLatin1Char(';'));
            QString name = head.takeFirst().toUpper();
            name = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
            for (QString& p : head)
                p = p.toUpper();
            lines.push_back({name, head, current.mid(colon + 1), currentLine});
        }
        current.clear();
    };
    for (int i = 0; i < raw.size(); ++i) {
        QString l = raw[i];
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        if (!l.isEmpty() && (l[0] == QLatin1Char(' ') || l[0] == QLatin1Char('\t')) && !current.isEmpty()) {
            current += l.mid(1);
            continue;
        }
        if (current.endsWith(QLatin1Char('=')) && current.contains(QStringLiteral("QUOTED-PRINTABLE"), Qt::CaseInsensitive)) {
            current.chop(1);
            current += l;
            continue;
        }
        flush();
        current = l;
        currentLine = i + 1;
    }
    flush();
    return lines;
}

// vCard 2.1 writes non-ASCII names quoted-printable.
bool isQuotedPrintable(const VLine& l)
{
    return l.params.contains(QStringLiteral("ENCODING=QUOTED-PRINTABLE"))
        || l.params.contains(QStringLiteral("QUOTED-PRINTABLE"));
}

QString valueOf(const VLine& l)
{
    if (isQuotedPrintable(l))
        return quotedPrintable(l.value);
    return unescape(l.value);
}

// "Family;Given;Additional;Prefix;Suffix" as "Given Family".
QString nameFromN(const QString& raw)
{
    QStringList parts;
    QString cur;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\') && i + 1 < raw.size()) {
            cur += raw[++i];
        } else if (raw[i] == QLatin1Char(';')) {
            parts << cur;
            cur.clear();
        } else {
            cur += raw[i];
        }
    }
    parts << cur;
    return (parts.value(3) + QLatin1Char(' ') + parts.value(1) + QLatin1Char(' ') + parts.value(2)
            + QLatin1Char(' ') + parts.value(0))
        .simplified();
}

ContactDate vcardBirthday(const VLine& l, const QString& value)
{
    if (l.params.contains(QStringLiteral("VALUE=TEXT")))
        return {DateStatus::Unreadable, {}};
    ContactDate d = parseContactDate(value);
    // Some address books store a birthday without a year under a placeholder year.
    for (const QString& p : l.params)
        if (p.startsWith(QStringLiteral("X-APPLE-OMIT-YEAR=")) && d.status == DateStatus::Ok
            && p.mid(18).toInt() == d.date.year())
            return {DateStatus::NoYear, {}};
    return d;
}

ContactFile readVCards(const QString& text)
{
    ContactFile file;
    file.format = ContactFormat::VCard;
    std::optional<ContactEntry> card;
    QString fn;
    QString n;
    bool hasBirthday = false;
    for (const VLine& l : vcardLines(text)) {
        if (l.name == QStringLiteral("BEGIN") && l.value.trimmed().compare(QStringLiteral("VCARD"), Qt::CaseInsensitive) == 0) {
            card = ContactEntry{};
            card->line = l.line;
            fn.clear();
            n.clear();
            hasBirthday = false;
        } else if (!card) {
            continue;
        } else if (l.name == QStringLiteral("FN")) {
            fn = valueOf(l).simplified();
        } else if (l.name == QStringLiteral("N")) {
            n = nameFromN(isQuotedPrintable(l) ? quotedPrintable(l.value) : l.value);
        } else if (l.name == QStringLiteral("BDAY")) {
            card->birthdayText = valueOf(l).trimmed();
            card->birthday = vcardBirthday(l, card->birthdayText);
            hasBirthday = card->birthday.status != DateStatus::Empty;
        } else if (l.name == QStringLiteral("END")) {
            card->name = fn.isEmpty() ? n : fn;
            if (hasBirthday)
                file.entries.push_back(*card);
            else
                ++file.withoutBirthday;
            card.reset();
        }
    }
    return file;
}

// ---- CSV -----------------------------------------------------------------------------

struct CsvRecord {
    QStringList fields;
    int line = 0;
};

QChar guessDelimiter(const QString& text)
{
    const QString head = text.left(text.indexOf(QLatin1Char('\n')));
    QChar best = QLatin1Char(',');
    qsizetype most = 0;
    for (QChar c : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        const qsizetype k = head.count(c);
        if (k > most) {
            most = k;
            best = c;
        }
    }
    return best;
}

// RFC 4180 with any delimiter: quoted fields may hold delimiters, quotes ("") and line breaks.
std::vector<CsvRecord> csvRecords(const QString& text, QChar delimiter)
{
    std::vector<CsvRecord> records;
    CsvRecord rec{{}, 1};
    QString field;
    bool quoted = false;
    int line = 1;
    auto endRecord = [&] {
        rec.fields << field;
        field.clear();
        if (!(rec.fields.size() == 1 && rec.fields[0].trimmed().isEmpty()))
            records.push_back(rec);
        rec = CsvRecord{{}, line};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = true;
            field.clear();
        } else if (c == delimiter) {
            rec.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !rec.fields.isEmpty())
        endRecord();
    return records;
}

// Headers as the common programs write them, compared in lower case.
const char* const kFullNameHeaders[] = {"name", "display name", "anzeigename", "full name",
                                        "vollständiger name", "fn"};
const char* const kNamePairHeaders[][2] = {
    {"first name", "last name"}, {"vorname", "nachname"}, {"given name", "family name"}};
const char* const kSplitDateHeaders[][3] = {
    {"birth year", "birth month", "birth day"}, {"geburtsjahr", "geburtsmonat", "geburtstag"}};
const char* const kDateHeaders[] = {"birthday", "geburtstag", "geburtsdatum", "bday",
                                    "date of birth", "birth date"};

struct Columns {
    int full = -1;
    int first = -1;
    int last = -1;
    int date = -1;
    int year = -1;
    int month = -1;
    int day = -1;
    bool usable() const { return (full >= 0 || first >= 0 || last >= 0) && (date >= 0 || (year >= 0 && month >= 0 && day >= 0)); }
};

Columns findColumns(const QStringList& headers)
{
    QStringList h;
    for (const QString& s : headers)
        h << s.trimmed().toLower();
    auto at = [&](const char* name) { return static_cast<int>(h.indexOf(QString::fromUtf8(name))); };
    Columns c;
    for (const char* name : kFullNameHeaders)
        if (c.full < 0)
            c.full = at(name);
    for (const auto& pair : kNamePairHeaders)
        if (c.first < 0 && c.last < 0) {
            c.first = at(pair[0]);
            c.last = at(pair[1]);
        }
    // A split date first: there "Geburtstag" is the day column.
    for (const auto& split : kSplitDateHeaders)
        if (at(split[0]) >= 0 && at(split[1]) >= 0 && at(split[2]) >= 0) {
            c.year = at(split[0]);
            c.month = at(split[1]);
            c.day = at(split[2]);
            return c;
        }
    for (const char* name : kDateHeaders)
        if (c.date < 0)
            c.date = at(name);
    return c;
}

ContactFile readCsv(const std::vector<CsvRecord>& records, const Columns& c)
{
    ContactFile file;
    file.format = ContactFormat::Csv;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const QStringList& f = records[r].fields;
        ContactEntry e;
        e.line = records[r].line;
        e.name = f.value(c.full).simplified();
        if (e.name.isEmpty())
            e.name = (f.value(c.first) + QLatin1Char(' ') + f.value(c.last)).simplified();
        if (c.date >= 0) {
            e.birthdayText = f.value(c.date).trimmed();
        } else {
            const QString y = f.value(c.year).trimmed();
            const QString m = f.value(c.month).trimmed();
            const QString d = f.value(c.day).trimmed();
            if (!(y + m + d).isEmpty())
                e.birthdayText = y.isEmpty() ? QStringLiteral("%1.%2.").arg(d, m)
                                             : QStringLiteral("%1-%2-%3").arg(y, m, d);
        }
        e.birthday = parseContactDate(e.birthdayText);
        if (e.birthday.status == DateStatus::Empty)
            ++file.withoutBirthday;
        else
            file.entries.push_back(e);
    }
    return file;
}

} // namespace

ContactFile readContacts(const QByteArray& bytes)
{
    const QString text = decode(bytes);
    if (text.trimmed().startsWith(QStringLiteral("BEGIN:VCARD"), Qt::CaseInsensitive))
        return readVCards(text);
    const std::vector<CsvRecord> records = csvRecords(text, guessDelimiter(text));
    if (records.empty())
        return {};
    const Columns c = findColumns(records.front().fields);
    if (!c.usable())
        return {};
    return readCsv(records, c);
}

} // namespace zuv::exchange
