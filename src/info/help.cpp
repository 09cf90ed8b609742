// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "help.h"

#include "helpwindow.h"

#include <dialogs.h>
#include <programfolder.h>
#include <rtfreader.h>

#include <QPointer>
#include <QTextEdit>

namespace zuv::info {

namespace {
QPointer<HelpWindow>& theHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}
} // namespace

QString helpFilePath()
{
    return core::programPath(QStringLiteral("BioHelp/BioHilfe.html"));
}

QString generalTextPath()
{
    return core::programPath(QStringLiteral("BioTab/BiorhythText.rtf"));
}

HelpWindow* Inhalt1Click(QWidget* parent)
{
    QPointer<HelpWindow>& window = theHelpWindow();
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    window->showContents(helpFilePath());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* helpWindow()
{
    return theHelpWindow();
}

void loadGeneralText(QTextEdit& RichEdit1)
{
    RichEdit1.clear();
    // Read through the checked reader (a FIFO or device is refused); an empty file or one
    // without rich text is reported instead of shown as nothing or as garbage.
    richtext::loadRtfFile(generalTextPath(), *RichEdit1.document());
}

bool Allgemeines1Click(QTextEdit& RichEdit1)
{
    return core::guarded(&RichEdit1, [&RichEdit1] { loadGeneralText(RichEdit1); });
}

} // namespace zuv::info
