// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fotopagechoices.h"

#include "monthmarks.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace zuv::photo {

namespace {

const QString kFit = QStringLiteral("FotoKalender/Bildanpassung");
const QString kFocus = QStringLiteral("FotoKalender/Bildausschnitt%1");
const QString kMoon = QStringLiteral("FotoKalender/Mondphasen");
const QString kBridge = QStringLiteral("FotoKalender/Brueckentage");
const QString kSecond = QStringLiteral("FotoKalender/ZweiteRegion");
const QString kFiles = QStringLiteral("FotoKalender/Termindateien");

// The one place the choices are stored. The program's shared settings take its place when
// they come; until then the same file, opened here.
std::unique_ptr<QSettings> choicesStore()
{
    QString path = qEnvironmentVariable("ZUVODODEROD_SETTINGS");
    if (path.isEmpty())
        path = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                   .filePath(QStringLiteral("zuvododerod/zuvododerod.conf"));
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

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

FotoPageChoices readFotoPageChoices(const QSettings& settings)
{
    FotoPageChoices c;
    c.fit = fitFromWord(settings.value(kFit).toString()).value_or(PictureFit::Stretch);
    for (std::size_t i = 0; i < c.focus.size(); ++i)
        c.focus[i] = focusFrom(settings.value(kFocus.arg(i + 1)).toString());
    c.moonPhases = settings.value(kMoon, false).toBool();
    c.bridgeDays = settings.value(kBridge, false).toBool();
    const QString second = settings.value(kSecond).toString();
    c.secondRegion = zuv::daymarks::isSecondRegionCode(second) ? second : QString();
    c.appointmentFiles = settings.value(kFiles).toStringList();
    c.appointmentFiles.removeAll(QString());
    return c;
}

void writeFotoPageChoices(QSettings& settings, const FotoPageChoices& c)
{
    settings.setValue(kFit, fitWord(c.fit));
    for (std::size_t i = 0; i < c.focus.size(); ++i)
        settings.setValue(kFocus.arg(i + 1), focusText(c.focus[i]));
    settings.setValue(kMoon, c.moonPhases);
    settings.setValue(kBridge, c.bridgeDays);
    settings.setValue(kSecond, c.secondRegion);
    settings.setValue(kFiles, c.appointmentFiles);
}

FotoPageChoices loadFotoPageChoices()
{
    return readFotoPageChoices(*choicesStore());
}

void saveFotoPageChoices(const FotoPageChoices& choices)
{
    const auto store = choicesStore();
    writeFotoPageChoices(*store, choices);
    store->sync();
}

} // namespace zuv::photo
