// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zuv::core {

namespace {

enum class Fault { None, Folder, Unreadable, Damaged };

// Why the file at path cannot be used as it is.
Fault unusable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Fault::None;
    if (info.isDir())
        return Fault::Folder;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fault::Unreadable;
    // An INI file is text: NUL bytes are what a crash on some file systems leaves behind.
    return file.readAll().contains('\0') ? Fault::Damaged : Fault::None;
}

QString faultText(Fault fault, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (fault) {
    case Fault::Folder:
        return QCoreApplication::translate(
                   "Settings", "Die Einstellungsdatei „%1“ ist ein Ordner. Es gelten die Standardwerte.")
            .arg(shown);
    case Fault::Unreadable:
        return QCoreApplication::translate(
                   "Settings", "Die Einstellungsdatei „%1“ ist nicht lesbar. Es gelten die Standardwerte.")
            .arg(shown);
    case Fault::Damaged:
    case Fault::None:
        break;
    }
    return QCoreApplication::translate(
               "Settings", "Die Einstellungsdatei „%1“ ist beschädigt. Es gelten die Standardwerte.")
        .arg(shown);
}

// "<path>.defekt", "<path>.defekt-2", ...: the first name not taken.
QString keptName(const QString& path)
{
    const QString base = path + QStringLiteral(".defekt");
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

} // namespace

QString defaultSettingsPath()
{
    const QString chosen = qEnvironmentVariable("ZUVODODEROD_SETTINGS");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/zuvododerod/zuvododerod.conf");
}

Settings::Settings(const QString& path)
    : m_path(path)
{
    Fault fault = unusable(path);
    if (fault == Fault::None) {
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        if (m_settings->status() != QSettings::NoError)
            fault = Fault::Damaged;
    }
    if (fault == Fault::None) {
        m_settings->setAtomicSyncRequired(true);
        return;
    }
    m_settings.reset();
    const QString kept = keptName(path);
    m_writable = !QFileInfo(path).isDir() && QFile::rename(path, kept);
    m_problem = faultText(fault, path);
    if (m_writable) {
        m_problem += QLatin1Char(' ')
            + QCoreApplication::translate("Settings", "Die alte Datei bleibt als „%1“ erhalten.")
                  .arg(QDir::toNativeSeparators(kept));
    }
    // Without a file name QSettings keeps the values of this run in memory only.
    m_settings = std::make_unique<QSettings>(m_writable ? path : QString(), QSettings::IniFormat);
    m_settings->setAtomicSyncRequired(true);
}

Settings::~Settings()
{
    sync();
}

QVariant Settings::value(const QString& key) const
{
    return m_settings->value(key);
}

QString Settings::string(const QString& key, const QString& fallback) const
{
    const QVariant v = value(key);
    return v.typeId() == QMetaType::QString ? v.toString() : fallback;
}

int Settings::integer(const QString& key, int fallback, int min, int max) const
{
    bool ok = false;
    const int v = value(key).toString().toInt(&ok);
    return ok && v >= min && v <= max ? v : fallback;
}

bool Settings::boolean(const QString& key, bool fallback) const
{
    const QString v = value(key).toString();
    if (v == QLatin1String("true"))
        return true;
    if (v == QLatin1String("false"))
        return false;
    return fallback;
}

QSize Settings::size(const QString& key, QSize fallback) const
{
    const QVariant v = value(key);
    if (v.typeId() != QMetaType::QSize)
        return fallback;
    const QSize s = v.toSize();
    return s.isValid() ? s : fallback;
}

QFont Settings::font(const QString& key, const QFont& fallback) const
{
    // QFont::toString()'s text: family, point size and at least eight further fields. QFont
    // itself takes any text with a comma ("Kursiv, bitte" gives a 9-point "Kursiv").
    const QString text = string(key);
    const QStringList fields = text.split(QLatin1Char(','));
    bool numeric = false;
    const double points = fields.value(1).toDouble(&numeric);
    QFont f;
    if (fields.size() < 10 || !numeric || points < 1 || points > 400 || !f.fromString(text))
        return fallback;
    return f;
}

void Settings::set(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
}

void Settings::setFont(const QString& key, const QFont& font)
{
    set(key, font.toString());
}

void Settings::remove(const QString& key)
{
    m_settings->remove(key);
}

bool Settings::sync()
{
    if (!m_writable)
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

namespace {

std::unique_ptr<Settings>& programSettings()
{
    static std::unique_ptr<Settings> open;
    return open;
}

QString& nextPath()
{
    static QString path;
    return path;
}

void closeSettings()
{
    programSettings().reset();
}

} // namespace

Settings& settings()
{
    std::unique_ptr<Settings>& open = programSettings();
    if (!open) {
        open = std::make_unique<Settings>(nextPath().isEmpty() ? defaultSettingsPath() : nextPath());
        // Written while the application still exists, not among the static destructors.
        if (QCoreApplication::instance())
            qAddPostRoutine(closeSettings);
        if (!open->problem().isEmpty())
            dialogs().information(nullptr, open->problem());
    }
    return *open;
}

void reopenSettings(const QString& path)
{
    programSettings().reset();
    nextPath() = path;
}

}  // namespace zuv::core
