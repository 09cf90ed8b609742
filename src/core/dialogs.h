// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The seam through which the program shows message boxes and runs modal dialogs.
// The program installs nothing and gets real boxes; tests install their own Dialogs to
// answer every box without blocking.

#include "error.h"

#include <QString>
#include <exception>
#include <functional>
#include <stdexcept>

class QFileDialog;

class QWidget;
class QDialog;

namespace zuv::core {

class Dialogs {
public:
    virtual ~Dialogs();
    // Plain information box with an OK button.
    virtual void information(QWidget* parent, const QString& text);
    // The application's error box: shows an error's own message.
    virtual void error(QWidget* parent, const QString& text);
    // Runs a modal dialog (file, font, printer, print preview...); returns QDialog::DialogCode.
    virtual int exec(QDialog& dialog);
};

// The installed seam (a default one that shows real boxes when none is set).
Dialogs& dialogs();
// Installs a seam; nullptr returns to the default. The caller keeps ownership.
void setDialogs(Dialogs* dialogs);

// Runs fn; an exception it throws is shown in the error box and swallowed, so the program
// keeps running. Returns false when fn threw.
bool guarded(QWidget* parent, const std::function<void()>& fn);

// Sets dialog up to choose a PDF file to write: Qt's own dialog (answered through the seam in
// tests), "PDF-Dateien (*.pdf)", ".pdf" added when the name has no suffix.
void preparePdfSaveDialog(QFileDialog& dialog, const QString& objectName);

} // namespace zuv::core
