// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "application.h"

#include "datafolder.h"
#include "deferrediconstyle.h"
#include "designfont.h"
#include "dialogs.h"
#include "language.h"
#include "programfolder.h"

#include <QStyle>
#include <QWidget>

namespace zuv::app {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    zuv::core::setApplicationNames();
    // Ties the windows to the installed desktop entry (task bar icon, Wayland app id).
    setDesktopFileName(QStringLiteral("de.zuvododerod.Zuvododerod"));
    registerFontSubstitutions();
    setStyle(new zuv::widgets::DeferredIconStyle(style()->name()));
    installLanguage(*this, systemLanguage());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const zuv::core::Error& e) {
        zuv::core::dialogs().error(activeWindow(), e.message());
    } catch (const std::exception& e) {
        zuv::core::dialogs().error(activeWindow(), QString::fromUtf8(e.what()));
    }
    return false;
}

bool installQtGermanCatalogue(QCoreApplication& app, const QString& folder)
{
    // Qt's own dialogs (print, page setup, file, font, preview) speak German too; the
    // catalogue takes the place of any language installed before.
    return installLanguage(app, Language::German, folder);
}

void registerFontSubstitutions()
{
    zuv::core::registerLookAlikes();
}

} // namespace zuv::app
