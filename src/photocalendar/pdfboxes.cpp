// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Page boxes through the helper program, which links qpdf so that the program need not.
#include "papersize.h"

#include "dialogs.h"
#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>

namespace zuv::photo {

namespace {

QString g_helperPath;

// Rewriting even a PDF full of photos takes seconds; a helper still busy after this long
// is stuck and is ended.
constexpr int kHelperTimeoutMs = 5 * 60 * 1000;

QString helperPath()
{
    return g_helperPath.isEmpty() ? zuv::core::helperProgramPath(QStringLiteral("zuvododerod-pdfboxes"))
                                  : g_helperPath;
}

// left,top,right,bottom with a decimal point, as the helper reads them.
QString rectArgument(const QRectF& mm)
{
    QStringList parts;
    for (const double v : {mm.left(), mm.top(), mm.right(), mm.bottom()})
        parts << QString::number(v, 'g', 17);
    return parts.join(QLatin1Char(','));
}

[[noreturn]] void fail(const QString& reason)
{
    throw zuv::core::Error(
        QCoreApplication::translate(
            "Photo", "Die Schnittmarken-Angaben der PDF-Datei können nicht gesetzt werden:\n%1")
            .arg(reason));
}

} // namespace

void setPdfBoxesHelperPath(const QString& path)
{
    g_helperPath = path;
}

QByteArray withPageBoxes(const QByteArray& pdf, const PrintSheet& sheet)
{
    QProcess helper;
    helper.setProgram(helperPath());
    helper.setArguments({rectArgument(sheet.bleedMm()), rectArgument(sheet.trimMm())});
    helper.start();
    if (!helper.waitForStarted())
        fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(helper.program()), helper.errorString()));
    helper.write(pdf);
    helper.closeWriteChannel();
    if (!helper.waitForFinished(kHelperTimeoutMs)) {
        helper.kill();
        helper.waitForFinished();
        fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(helper.program()), helper.errorString()));
    }
    if (helper.exitStatus() != QProcess::NormalExit)
        fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(helper.program()), helper.errorString()));
    if (helper.exitCode() != 0)
        fail(QString::fromLocal8Bit(helper.readAllStandardError()).trimmed());
    return helper.readAllStandardOutput();
}

} // namespace zuv::photo
