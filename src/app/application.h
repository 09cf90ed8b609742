// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's QApplication: shows every error that a handler lets escape in the one
// application-wide error box and keeps running.

#include <QApplication>

namespace zuv::app {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Installs Qt's German catalogue "qtbase_de" from folder (Qt's translations folder when
// empty) into app; false when the catalogue is missing or unreadable.
bool installQtGermanCatalogue(QCoreApplication& app, const QString& folder = {});

// Maps the font names the windows use to installed look-alikes.
void registerFontSubstitutions();

} // namespace zuv::app
