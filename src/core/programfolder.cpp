// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

// Set by the build from the install layout; the defaults are the GNU layout.
#ifndef ZUV_DATA_FROM_BIN
#define ZUV_DATA_FROM_BIN "../share/zuvododerod"
#endif
#ifndef ZUV_HELPER_FROM_BIN
#define ZUV_HELPER_FROM_BIN "../libexec"
#endif

namespace zuv::core {

void setApplicationNames()
{
    // Lower case, as the folder names of other programs there.
    QCoreApplication::setApplicationName(QStringLiteral("zuvododerod"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zuvododerod"));
}

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString runningExecutableFolder()
{
    return withSlash(QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()));
}

bool holdsReadOnlyData(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("TZeichen"))).isDir()
           && QFileInfo(dir.filePath(QStringLiteral("BioHelp"))).isDir();
}
} // namespace

QStringList dataFolderCandidates(const QString& executableFolder, const QString& dataFromBin)
{
    const QString exe = withSlash(QDir::cleanPath(executableFolder));
    return {exe, withSlash(QDir::cleanPath(QDir(exe).filePath(dataFromBin)))};
}

QString findDataFolder(const QStringList& candidates)
{
    for (const QString& folder : candidates) {
        if (holdsReadOnlyData(folder))
            return folder;
    }
    return candidates.isEmpty() ? QString() : candidates.first();
}

QString findHelperProgram(const QString& executableFolder, const QString& helperFromBin,
                          const QString& name)
{
    const QDir exe(executableFolder);
    const QString beside = QDir::cleanPath(exe.filePath(name));
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(exe.filePath(helperFromBin + QLatin1Char('/') + name));
}

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    // Two directory checks: cheap next to the file reads that follow.
    return findDataFolder(
        dataFolderCandidates(runningExecutableFolder(), QStringLiteral(ZUV_DATA_FROM_BIN)));
}

QString programPath(const QString& relative)
{
    return programFolder() + relative;
}

void setProgramFolder(const QString& folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

QString executableFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return runningExecutableFolder();
}

QString helperProgramPath(const QString& name)
{
    return findHelperProgram(runningExecutableFolder(), QStringLiteral(ZUV_HELPER_FROM_BIN), name);
}

} // namespace zuv::core
