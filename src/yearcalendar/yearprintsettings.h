// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How a year calendar is printed: how each picture fills its slot (with its focus point),
// the paper and the print shop's bleed, the first month, and whether Austrian pages say
// "Jänner" and "Feber". Part of the year project; stored in its JSON file, where a project
// written before these settings existed reads as an A4 calendar from January with every
// picture cut to its slot.

#include "papersize.h"
#include "picturefit.h"
#include "regionmonthnames.h"

#include <QJsonObject>
#include <QString>
#include <map>
#include <optional>

namespace zuv::yearcal {

// The fit and focus point of one picture.
struct PicturePlacement {
    zuv::photo::PictureFit fit = zuv::photo::PictureFit::Crop;
    zuv::photo::FocusPoint focus;
    bool operator==(const PicturePlacement&) const = default;
};

struct PrintSettings {
    zuv::photo::PictureFit fit = zuv::photo::PictureFit::Crop;   // pictures without their own
    std::map<QString, PicturePlacement> placements;              // by picture path
    zuv::photo::PrintSheet sheet;                                // paper, bleed
    int firstMonth = 1;                                          // 1..12
    std::optional<bool> austrianNames;                           // unset: by the region
    bool operator==(const PrintSettings&) const = default;
};

// The placement of the picture at path: its own, else the project's fit around the centre.
PicturePlacement placementOf(const PrintSettings& settings, const QString& path);
// The month names of pages for region: the switch when set, else Austrian for Austria.
zuv::photo::MonthNaming namingOf(const PrintSettings& settings, const QString& regionCode);

// Adds the settings to a project's JSON object / reads them from it. Reading throws
// zuv::core::Error with the reason alone (German) for an unknown fit or paper, a focus
// point off its picture or a first month out of 1..12.
void writePrintSettings(QJsonObject& root, const PrintSettings& settings);
PrintSettings readPrintSettings(const QJsonObject& root);

// The command line's print options, each set only when given.
struct PrintOptions {
    std::optional<zuv::photo::PictureFit> fit;    // --bildanpassung
    std::optional<zuv::photo::Paper> paper;       // --papier
    bool bleed = false;                           // --beschnitt
    std::optional<int> firstMonth;                // --erster-monat
};
// Takes the value of one print option (name as typed, "--papier"); false when name is
// none of them. Throws zuv::core::Error with a German message naming the allowed values.
bool parsePrintOption(const QString& name, const QString& value, PrintOptions& options);
// The options over the settings; --bildanpassung applies to every picture.
void applyPrintOptions(const PrintOptions& options, PrintSettings& settings);

} // namespace zuv::yearcal
