// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "application.h"
#include "fontconfiguration.h"
#include "language.h"
#include "startupmemory.h"
#include "tform1.h"
#include "yearcli.h"

int main(int argc, char** argv)
{
    zuv::app::prepareStartupMemory();
    // The year calendar's batch options run without a window.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (zuv::yearcal::wantsCommandLine(arguments))
        return zuv::yearcal::runCommandLine(argc, argv, &zuv::app::setUpCommandLine);

    std::future<void> fonts = zuv::app::readFontConfigurationAhead();
    zuv::app::Application app(argc, argv);
    fonts.wait();
    zuv::app::TForm1 window;
    window.FormCreate();
    window.show();
    return app.exec();
}
