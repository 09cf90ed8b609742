#pragma once
// Shared pieces of the main-window tests: one QApplication for the process, a seam that
// answers every box, and a program folder of its own with the shipped data.

#include "dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

inline QApplication& ensureApp()
{
    static int argc = 1;
    static char arg0[] = "test_app";
    static char* argv[] = {arg0, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class RecordingDialogs : public zuv::core::Dialogs {
public:
    QStringList messages;
    QStringList errors;
    std::function<int(QDialog&)> onExec;
    void information(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    int exec(QDialog& dialog) override { return onExec ? onExec(dialog) : QDialog::Rejected; }
};

// Copies a folder tree (the shipped data) into a fresh program folder.
inline void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir src(from);
    for (const QString& f : src.entryList(QDir::Files))
        QFile::copy(src.filePath(f), to + QLatin1Char('/') + f);
    for (const QString& d : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(src.filePath(d), to + QLatin1Char('/') + d);
}
