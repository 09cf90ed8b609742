// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace zuv::core {

Dialogs::~Dialogs() = default;

void Dialogs::information(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void Dialogs::error(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

int Dialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

namespace {
Dialogs*& installed()
{
    static Dialogs* seam = nullptr;
    return seam;
}
} // namespace

Dialogs& dialogs()
{
    static Dialogs standard;
    return installed() ? *installed() : standard;
}

void setDialogs(Dialogs* seam)
{
    installed() = seam;
}

bool guarded(QWidget* parent, const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (const Error& e) {
        dialogs().error(parent, e.message());
    } catch (const std::exception& e) {
        dialogs().error(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

void preparePdfSaveDialog(QFileDialog& dialog, const QString& objectName)
{
    dialog.setObjectName(objectName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("Files", "PDF-Dateien (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
}

} // namespace zuv::core
