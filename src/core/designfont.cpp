// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "designfont.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>

#include <vector>

namespace zuv::core {

namespace {

struct LookAlikes {
    const char* family;
    QStringList lookAlikes;
};

// Design family and its installed look-alikes, best first.
const std::vector<LookAlikes>& lookAlikeTable()
{
    static const std::vector<LookAlikes> table{
        {"Arial", {QStringLiteral("Liberation Sans")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif")}},
        {"MS Serif", {QStringLiteral("Liberation Serif")}},
        // Liberation Sans keeps the narrow metrics the captions were sized for.
        {"MS Sans Serif",
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")}},
        {"Small Fonts", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"Book Antiqua", {QStringLiteral("P052"), QStringLiteral("Liberation Serif")}},
        {"Calligraph421 BT", {QStringLiteral("Z003")}},
    };
    return table;
}

} // namespace

QString installedFamily(const QString& designFamily)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return designFamily;
    // Worked out once, from the families installed when first asked.
    static const QHash<QString, QString> standIns = [] {
        // A family that more than one foundry makes is listed as "Family [Foundry]".
        QStringList installed;
        for (const QString& listed : QFontDatabase::families())
            installed << listed.section(QStringLiteral(" ["), 0, 0);
        const auto isInstalled = [&installed](const QString& family) {
            return installed.contains(family, Qt::CaseInsensitive);
        };
        QHash<QString, QString> map;
        for (const LookAlikes& entry : lookAlikeTable()) {
            const QString family = QString::fromUtf8(entry.family);
            if (isInstalled(family))
                continue;
            for (const QString& lookAlike : entry.lookAlikes) {
                if (isInstalled(lookAlike)) {
                    map.insert(family.toCaseFolded(), lookAlike);
                    break;
                }
            }
        }
        return map;
    }();
    return standIns.value(designFamily.toCaseFolded(), designFamily);
}

void registerLookAlikes()
{
    for (const LookAlikes& entry : lookAlikeTable())
        QFont::insertSubstitutions(QString::fromUtf8(entry.family), entry.lookAlikes);
}

} // namespace zuv::core
