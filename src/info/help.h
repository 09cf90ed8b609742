// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The "Hilfe" > "Inhalt" and "Zuvododerod" > "Allgemeines" menu entries of the main window.

#include <QString>

class QTextEdit;
class QWidget;

namespace zuv::info {

class HelpWindow;

// programFolder() + "BioHelp/BioHilfe.html", the help's contents page.
QString helpFilePath();
// programFolder() + "BioTab/BiorhythText.rtf", the general biorhythm text.
QString generalTextPath();

// Opens the help window on the contents page and brings it to the front. There is one help
// window however often this is called: a second call shows the contents page in the same
// window. The window is modeless and owned by parent; returns it.
HelpWindow* Inhalt1Click(QWidget* parent);
// The open help window, nullptr before the first Inhalt1Click or after its owner went away.
HelpWindow* helpWindow();

// Clears RichEdit1 and loads the general biorhythm text into it as rich text.
// Throws zuv::core::Error (German message) when the file cannot be read; the box then
// stays empty.
void loadGeneralText(QTextEdit& RichEdit1);
// "Allgemeines": loadGeneralText; an error is shown in the error box and the box stays
// empty. Returns false when the text could not be loaded.
bool Allgemeines1Click(QTextEdit& RichEdit1);

} // namespace zuv::info
