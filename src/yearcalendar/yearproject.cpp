// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearproject.h"

#include "monthmarks.h"

#include "dialogs.h"
#include "germandate.h"
#include "regions.h"
#include "picturechoice.h"
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>

namespace zuv::yearcal {

using zuv::core::Error;

namespace {

constexpr int kProjectVersion = 1;
// A project file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxProjectBytes = 4 * 1024 * 1024;

// Name order as people read it: "Bild2" before "Bild10", letter case ignored. Written here
// because QCollator's numeric mode depends on the system locale and its ICU build.
int naturalCompare(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Compare the numbers by value without converting: strip leading zeros, then
            // length, then digits.
            QStringView na = QStringView(a).mid(i, ei - i), nb = QStringView(b).mid(j, ej - j);
            while (na.size() > 1 && na.front() == u'0')
                na = na.mid(1);
            while (nb.size() > 1 && nb.front() == u'0')
                nb = nb.mid(1);
            if (na.size() != nb.size())
                return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (c != 0)
            return c;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return QString::compare(a, b);
}

} // namespace

const std::vector<Region>& yearRegions()
{
    static const std::vector<Region> regions = [] {
        std::vector<Region> list;
        for (const zuv::dates::Region& r : zuv::dates::yearCalendarRegions())
            list.push_back({QString::fromUtf8(r.name.data(), qsizetype(r.name.size())),
                            QString::fromUtf8(r.code.data(), qsizetype(r.code.size()))});
        return list;
    }();
    return regions;
}

std::optional<Region> findRegion(const QString& text)
{
    const auto& regions = yearRegions();
    for (const Region& r : regions)
        if (r.code == text)
            return r;
    // Salzburg "Sb" and Steiermark "S" stay apart ignoring case too.
    for (const Region& r : regions)
        if (r.code.compare(text, Qt::CaseInsensitive) == 0)
            return r;
    const QString wanted = text.trimmed();
    for (const Region& r : regions)
        if (r.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return r;
    return std::nullopt;
}

QByteArray projectToJson(const YearProject& project)
{
    QJsonObject root;
    root[QStringLiteral("version")] = kProjectVersion;
    root[QStringLiteral("jahr")] = project.year;
    root[QStringLiteral("region")] = project.regionCode;
    QJsonArray months;
    for (const QStringList& files : project.pictures)
        months.append(QJsonArray::fromStringList(files));
    root[QStringLiteral("bilder")] = months;
    root[QStringLiteral("titelschrift")] = project.titleFont;
    if (project.person) {
        QJsonObject person;
        person[QStringLiteral("name")] = project.person->name;
        person[QStringLiteral("geburtsdatum")] =
            project.person->birthDate.isValid() ? project.person->birthDate.toString(Qt::ISODate)
                                                : QString();
        root[QStringLiteral("person")] = person;
    }
    root[QStringLiteral("geburtstage")] = project.birthdays;
    root[QStringLiteral("kritischeTage")] = project.criticalDays;
    root[QStringLiteral("intuitiv")] = project.intuitive;
    writePrintSettings(root, project.print);
    if (!project.appointmentFiles.isEmpty())
        root[QStringLiteral("termine")] = QJsonArray::fromStringList(project.appointmentFiles);
    root[QStringLiteral("mondphasen")] = project.moonPhases;
    root[QStringLiteral("region2")] = project.secondRegion;
    root[QStringLiteral("brueckentage")] = project.bridgeDays;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

YearProject projectFromJson(const QByteArray& json)
{
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        throw Error(
            QCoreApplication::translate("YearCalendar", "Die Datei ist kein Jahreskalender-Projekt."));
    const QJsonObject root = doc.object();
    auto refuse = [](const QString& what) {
        throw Error(
            QCoreApplication::translate("YearCalendar", "Das Jahreskalender-Projekt ist beschädigt: %1")
                .arg(what));
    };

    YearProject p;
    p.year = root.value(QStringLiteral("jahr")).toInt(0);
    if (p.year < 1 || p.year > 9999)
        refuse(QCoreApplication::translate("YearCalendar",
                                           "das Jahr fehlt oder liegt nicht zwischen 1 und 9999."));
    p.regionCode = root.value(QStringLiteral("region")).toString();
    const auto region = findRegion(p.regionCode);
    if (!region || region->code != p.regionCode)
        refuse(QCoreApplication::translate("YearCalendar", "unbekannte Region \"%1\".").arg(p.regionCode));

    const QJsonValue months = root.value(QStringLiteral("bilder"));
    if (!months.isUndefined()) {
        const QJsonArray list = months.toArray();
        if (!months.isArray() || list.size() > 12)
            refuse(QCoreApplication::translate("YearCalendar", "die Bilderliste muss zwölf Monate haben."));
        for (qsizetype m = 0; m < list.size(); ++m) {
            const QJsonArray files = list.at(m).toArray();
            if (files.size() > kMaxPicturesPerMonth)
                refuse(QCoreApplication::translate("YearCalendar", "mehr als drei Bilder im Monat %1.")
                           .arg(m + 1));
            for (const QJsonValue& f : files)
                if (f.isString() && !f.toString().isEmpty())
                    p.pictures[static_cast<std::size_t>(m)] << f.toString();
        }
    }
    p.titleFont = root.value(QStringLiteral("titelschrift")).toString();
    const QJsonValue person = root.value(QStringLiteral("person"));
    if (person.isObject()) {
        const QJsonObject o = person.toObject();
        Person who{o.value(QStringLiteral("name")).toString(),
                   QDate::fromString(o.value(QStringLiteral("geburtsdatum")).toString(), Qt::ISODate)};
        if (!who.birthDate.isValid())
            refuse(QCoreApplication::translate("YearCalendar",
                                               "die Person \"%1\" hat kein gültiges Geburtsdatum.")
                       .arg(who.name));
        p.person = who;
    }
    p.birthdays = root.value(QStringLiteral("geburtstage")).toBool(true);
    p.criticalDays = root.value(QStringLiteral("kritischeTage")).toBool(true);
    p.intuitive = root.value(QStringLiteral("intuitiv")).toBool(false);
    try {
        p.print = readPrintSettings(root);
    } catch (const Error& e) {
        refuse(e.message());
    }
    for (const QJsonValue& f : root.value(QStringLiteral("termine")).toArray())
        if (f.isString() && !f.toString().isEmpty())
            p.appointmentFiles << f.toString();
    p.moonPhases = root.value(QStringLiteral("mondphasen")).toBool(false);
    p.secondRegion = root.value(QStringLiteral("region2")).toString();
    try {
        zuv::daymarks::checkSecondRegion(p.regionCode, p.secondRegion);
    } catch (const Error& e) {
        refuse(e.message());
    }
    p.bridgeDays = root.value(QStringLiteral("brueckentage")).toBool(false);
    return p;
}

YearProject loadProject(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(QCoreApplication::translate("YearCalendar", "Das Projekt \"%1\" wurde nicht gefunden.")
                        .arg(QDir::toNativeSeparators(path)));
    if (!info.isFile())
        throw Error(QCoreApplication::translate("YearCalendar", "\"%1\" ist keine gewöhnliche Datei.")
                        .arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QCoreApplication::translate("YearCalendar", "Das Projekt \"%1\" kann nicht gelesen werden: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > kMaxProjectBytes)
        throw Error(
            QCoreApplication::translate("YearCalendar", "\"%1\" ist zu groß für ein Jahreskalender-Projekt.")
                .arg(QDir::toNativeSeparators(path)));
    try {
        return projectFromJson(file.readAll());
    } catch (const Error& e) {
        throw Error(QStringLiteral("%1\n(%2)").arg(e.message(), QDir::toNativeSeparators(path)));
    }
}

void saveProject(const QString& path, const YearProject& project)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error(
            QCoreApplication::translate("YearCalendar", "Der Ordner \"%1\" kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(folder)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(projectToJson(project)) < 0 || !file.commit())
        throw Error(
            QCoreApplication::translate("YearCalendar", "Das Projekt kann nicht gespeichert werden (%1): %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QStringList picturesInFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        throw Error(
            QCoreApplication::translate("YearCalendar", "Der Bilderordner \"%1\" wurde nicht gefunden.")
                .arg(QDir::toNativeSeparators(folder)));
    if (!info.isReadable() || !info.isExecutable())
        throw Error(
            QCoreApplication::translate("YearCalendar", "Der Bilderordner \"%1\" kann nicht gelesen werden.")
                .arg(QDir::toNativeSeparators(folder)));
    const QDir dir(folder);
    QStringList files;
    // Special files too: the check names them instead of leaving them out unsaid.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::System))
        files << entry.absoluteFilePath();
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return naturalCompare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    return files;
}

std::array<QStringList, 12> onePicturePerMonth(const QStringList& files, int firstMonth)
{
    std::array<QStringList, 12> months;
    for (qsizetype i = 0; i < files.size() && i < 12; ++i)
        months[static_cast<std::size_t>((firstMonth - 1 + i) % 12)] << files[i];
    return months;
}

FolderPictureFill picturesFromFolder(const QString& folder, int firstMonth)
{
    const zuv::photo::FolderPictures found =
        zuv::photo::checkFolderPictures(picturesInFolder(folder), 12);
    return {onePicturePerMonth(found.usable, firstMonth), found.skipped};
}

PictureAddition addCheckedPictures(QStringList& month, const QStringList& files)
{
    PictureAddition result;
    for (const QString& f : files) {
        if (month.size() >= kMaxPicturesPerMonth) {
            result.tooMany = true;
            break;
        }
        const QString problem = zuv::photo::checkChosenPicture(f);
        if (problem.isEmpty())
            month << QDir::cleanPath(f);
        else
            result.problems << problem;
    }
    return result;
}

} // namespace zuv::yearcal
