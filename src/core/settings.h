// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the program remembers between runs besides its tables: window size and state, the
// printer, the photo page's region and fonts... One INI file in the user's configuration
// folder (~/.config/zuvododerod/zuvododerod.conf), or the file ZUVODODEROD_SETTINGS names.
// QSettings writes it through a temporary file renamed into place (atomic sync required),
// so a crash or a full disk never leaves half a file.
// A damaged or unreadable file is kept as "<name>.defekt" and the run starts from the
// defaults after one message through the dialog seam; nothing here ever throws.
// Each subsystem names its own keys as "Group/Key" (German, ASCII): "Hauptfenster/...",
// "Drucker/...", "FotoKalender/...", "Jahreskalender/...".

#include <QFont>
#include <QSize>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

namespace zuv::core {

// The settings file of this user: $ZUVODODEROD_SETTINGS when set, otherwise
// zuvododerod/zuvododerod.conf below QStandardPaths::GenericConfigLocation.
QString defaultSettingsPath();

class Settings {
public:
    // Opens path (it need not exist yet). A file that cannot be read or parsed is renamed
    // to "<path>.defekt" (or, failing that, left alone and never written) and problem()
    // says so; the values are then the defaults.
    explicit Settings(const QString& path);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString path() const { return m_path; }
    // German message about a damaged file found at opening; empty when the file was fine.
    QString problem() const { return m_problem; }

    // Typed reads: fallback when the key is missing or its value is not of the type (or
    // outside [min, max]).
    QString string(const QString& key, const QString& fallback = {}) const;
    int integer(const QString& key, int fallback, int min, int max) const;
    bool boolean(const QString& key, bool fallback) const;
    QSize size(const QString& key, QSize fallback = {}) const;
    QFont font(const QString& key, const QFont& fallback) const;
    // The stored value as it is (invalid when missing), for readers that check it themselves.
    QVariant value(const QString& key) const;

    void set(const QString& key, const QVariant& value);
    void setFont(const QString& key, const QFont& font);
    void remove(const QString& key);
    // Writes pending changes now (also done at destruction). False when the file could not
    // be written; the values stay in memory for this run.
    bool sync();

private:
    QString m_path;
    QString m_problem;
    bool m_writable = true;
    std::unique_ptr<QSettings> m_settings;
};

// The program's settings, opened on first use from defaultSettingsPath(). The first use
// shows a damaged file's message once through dialogs().information().
Settings& settings();
// Closes the program's settings (writing them) and opens path at the next settings();
// an empty path goes back to defaultSettingsPath(). For tests and for a restart.
void reopenSettings(const QString& path = {});

} // namespace zuv::core
