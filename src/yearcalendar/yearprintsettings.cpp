// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearprintsettings.h"

#include "dialogs.h"
#include "yearspan.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace zuv::yearcal {

using zuv::core::Error;
using zuv::photo::PictureFit;

namespace {

const QString kFit = QStringLiteral("bildanpassung");
const QString kPlacements = QStringLiteral("bildausschnitte");
const QString kPaper = QStringLiteral("papier");
const QString kBleed = QStringLiteral("beschnitt");
const QString kFirstMonth = QStringLiteral("ersterMonat");
const QString kAustrian = QStringLiteral("oesterreichischeMonatsnamen");

PictureFit fitOf(const QJsonValue& value, PictureFit fallback)
{
    if (value.isUndefined())
        return fallback;
    const auto fit = zuv::photo::fitFromWord(value.toString());
    if (!fit)
        throw Error(QCoreApplication::translate("YearCalendar", "unbekannte Bildanpassung \"%1\".")
                        .arg(value.toString()));
    return *fit;
}

} // namespace

PicturePlacement placementOf(const PrintSettings& settings, const QString& path)
{
    const auto it = settings.placements.find(path);
    return it != settings.placements.end() ? it->second : PicturePlacement{settings.fit, {}};
}

zuv::photo::MonthNaming namingOf(const PrintSettings& settings, const QString& regionCode)
{
    if (settings.austrianNames)
        return *settings.austrianNames ? zuv::photo::MonthNaming::Austrian
                                       : zuv::photo::MonthNaming::German;
    return zuv::photo::defaultNaming(regionCode);
}

void writePrintSettings(QJsonObject& root, const PrintSettings& settings)
{
    root[kFit] = zuv::photo::fitWord(settings.fit);
    QJsonArray placements;
    for (const auto& [path, p] : settings.placements)
        placements.append(QJsonObject{{QStringLiteral("datei"), path},
                                      {kFit, zuv::photo::fitWord(p.fit)},
                                      {QStringLiteral("x"), p.focus.x},
                                      {QStringLiteral("y"), p.focus.y}});
    root[kPlacements] = placements;
    root[kPaper] = zuv::photo::paperName(settings.sheet.paper);
    root[kBleed] = settings.sheet.bleed;
    root[kFirstMonth] = settings.firstMonth;
    if (settings.austrianNames)
        root[kAustrian] = *settings.austrianNames;
}

PrintSettings readPrintSettings(const QJsonObject& root)
{
    PrintSettings s;
    s.fit = fitOf(root.value(kFit), s.fit);
    for (const QJsonValue& v : root.value(kPlacements).toArray()) {
        const QJsonObject o = v.toObject();
        PicturePlacement p{fitOf(o.value(kFit), s.fit),
                           {o.value(QStringLiteral("x")).toDouble(0.5),
                            o.value(QStringLiteral("y")).toDouble(0.5)}};
        p.focus = zuv::photo::checkedFocus(p.focus);
        s.placements[o.value(QStringLiteral("datei")).toString()] = p;
    }
    const QJsonValue paper = root.value(kPaper);
    if (!paper.isUndefined()) {
        const auto known = zuv::photo::paperFromName(paper.toString());
        if (!known)
            throw Error(QCoreApplication::translate("YearCalendar", "unbekanntes Papierformat \"%1\".")
                            .arg(paper.toString()));
        s.sheet.paper = *known;
    }
    s.sheet.bleed = root.value(kBleed).toBool(false);
    const QJsonValue first = root.value(kFirstMonth);
    if (!first.isUndefined()) {
        const auto month = firstMonthFromText(QString::number(first.toDouble(0)));
        if (!month)
            throw Error(firstMonthProblem(QString::number(first.toDouble(0))));
        s.firstMonth = *month;
    }
    const QJsonValue austrian = root.value(kAustrian);
    if (austrian.isBool())
        s.austrianNames = austrian.toBool();
    return s;
}

bool parsePrintOption(const QString& name, const QString& value, PrintOptions& options)
{
    if (name == QLatin1String("--bildanpassung")) {
        options.fit = zuv::photo::fitFromWord(value);
        if (!options.fit)
            throw Error(QCoreApplication::translate("YearCalendar",
                                                    "Die Bildanpassung \"%1\" gibt es nicht: erlaubt sind "
                                                    "zuschneiden, einpassen und verzerren.")
                            .arg(value));
    } else if (name == QLatin1String("--papier")) {
        options.paper = zuv::photo::paperFromName(value);
        if (!options.paper)
            throw Error(
                QCoreApplication::translate("YearCalendar",
                                            "Das Papierformat \"%1\" gibt es nicht: erlaubt sind A4, A3 "
                                            "und A5.")
                    .arg(value));
    } else if (name == QLatin1String("--beschnitt")) {
        options.bleed = true;
    } else if (name == QLatin1String("--erster-monat")) {
        options.firstMonth = firstMonthFromText(value);
        if (!options.firstMonth)
            throw Error(firstMonthProblem(value));
    } else {
        return false;
    }
    return true;
}

void applyPrintOptions(const PrintOptions& options, PrintSettings& settings)
{
    if (options.fit) {
        settings.fit = *options.fit;
        for (auto& [path, placement] : settings.placements)
            placement.fit = *options.fit;
    }
    if (options.paper)
        settings.sheet.paper = *options.paper;
    if (options.bleed)
        settings.sheet.bleed = true;
    if (options.firstMonth)
        settings.firstMonth = *options.firstMonth;
}

} // namespace zuv::yearcal
