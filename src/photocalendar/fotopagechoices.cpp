// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fotopagechoices.h"

#include "monthmarks.h"
#include "settings.h"

#include <QStringList>

namespace zuv::photo {

namespace {

const QString kFit = QStringLiteral("FotoKalender/Bildanpassung");
const QString kFocus = QStringLiteral("FotoKalender/Bildausschnitt%1");
const QString kMoon = QStringLiteral("FotoKalender/Mondphasen");
const QString kBridge = QStringLiteral("FotoKalender/Brueckentage");
const QString kSecond = QStringLiteral("FotoKalender/ZweiteRegion");
const QString kFiles = QStringLiteral("FotoKalender/Termindateien");

// "0.25 0.75": x and y, with a point, whatever the locale.
QString focusText(FocusPoint f)
{
    return QString::number(f.x, 'g', 17) + QLatin1Char(' ') + QString::number(f.y, 'g', 17);
}

FocusPoint focusFrom(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool okX = false;
    bool okY = false;
    const FocusPoint f{parts.value(0).toDouble(&okX), parts.value(1).toDouble(&okY)};
    const bool inside = okX && okY && f.x >= 0 && f.x <= 1 && f.y >= 0 && f.y <= 1;
    return parts.size() == 2 && inside ? f : FocusPoint{};
}

} // namespace

FotoPageChoices readFotoPageChoices(const zuv::core::Settings& settings)
{
    FotoPageChoices c;
    c.fit = fitFromWord(settings.value(kFit).toString()).value_or(PictureFit::Stretch);
    for (std::size_t i = 0; i < c.focus.size(); ++i)
        c.focus[i] = focusFrom(settings.value(kFocus.arg(i + 1)).toString());
    c.moonPhases = settings.value(kMoon).toBool();
    c.bridgeDays = settings.value(kBridge).toBool();
    const QString second = settings.value(kSecond).toString();
    c.secondRegion = zuv::daymarks::isSecondRegionCode(second) ? second : QString();
    c.appointmentFiles = settings.value(kFiles).toStringList();
    c.appointmentFiles.removeAll(QString());
    return c;
}

void writeFotoPageChoices(zuv::core::Settings& settings, const FotoPageChoices& c)
{
    settings.set(kFit, fitWord(c.fit));
    for (std::size_t i = 0; i < c.focus.size(); ++i)
        settings.set(kFocus.arg(i + 1), focusText(c.focus[i]));
    settings.set(kMoon, c.moonPhases);
    settings.set(kBridge, c.bridgeDays);
    settings.set(kSecond, c.secondRegion);
    settings.set(kFiles, c.appointmentFiles);
}

FotoPageChoices loadFotoPageChoices()
{
    return readFotoPageChoices(zuv::core::settings());
}

void saveFotoPageChoices(const FotoPageChoices& choices)
{
    zuv::core::Settings& store = zuv::core::settings();
    writeFotoPageChoices(store, choices);
    store.sync();
}

} // namespace zuv::photo
