// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The dialog seam the tests install: it records every message box and answers every modal
// dialog without showing it. Installed for its own lifetime.

#include "dialogs.h"

#include <QDialog>
#include <QStringList>
#include <functional>

namespace zuv::testing {

class RecordingDialogs : public zuv::core::Dialogs {
public:
    RecordingDialogs() { zuv::core::setDialogs(this); }
    ~RecordingDialogs() override { zuv::core::setDialogs(nullptr); }
    RecordingDialogs(const RecordingDialogs&) = delete;
    RecordingDialogs& operator=(const RecordingDialogs&) = delete;

    void information(QWidget*, const QString& text) override { infos << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    int exec(QDialog& dialog) override
    {
        execs << QString::fromLatin1(dialog.metaObject()->className());
        return answer ? answer(dialog) : int(QDialog::Rejected);
    }

    QStringList infos;    // texts of the information boxes, in order
    QStringList errors;   // texts of the error boxes, in order
    QStringList execs;    // class names of the modal dialogs run
    // Answers a modal dialog (it may fill the dialog in first); rejected when unset.
    std::function<int(QDialog&)> answer;
};

} // namespace zuv::testing
