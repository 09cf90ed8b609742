// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "datafolder.h"

#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <utility>

namespace zuv::store {

namespace {

const QString kBioTab = QStringLiteral("BioTab");
// Written after the program folder's tables were copied, so a name list the user later
// deleted from the per-user folder is not brought back.
const QString kCopiedMarker = QStringLiteral(".tabellen-uebernommen");

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

struct Chosen {
    QString folder;
    QString programFolder;   // the program folder the choice was made for
    bool overridden = false;
    QString problem;         // of the copy of the program folder's tables, not yet told
};

Chosen& chosen()
{
    static Chosen c;
    return c;
}

bool copyWhole(const QString& from, const QString& to)
{
    const QString temporary = to + QStringLiteral(".kopie");
    QFile::remove(temporary);
    if (!QFile::copy(from, temporary))
        return false;
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(to).constData())
        != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace

const QStringList& tableFileNames()
{
    static const QStringList names{QStringLiteral("Koerper"), QStringLiteral("Prozente"),
                                   QStringLiteral("Bildkalender"),
                                   QStringLiteral("Namensliste")};
    return names;
}

QString chooseDataFolder(const DataFolderFacts& facts)
{
    const bool portable = facts.programBioTabIsFolder && facts.programBioTabWritable;
    if (portable || facts.appDataLocation.isEmpty())
        return withSlash(facts.programFolder) + kBioTab + QLatin1Char('/');
    return withSlash(facts.appDataLocation) + kBioTab + QLatin1Char('/');
}

DataFolderFacts currentDataFolderFacts()
{
    DataFolderFacts facts;
    // The executable's own folder: an installed copy reads its data from <prefix>/share,
    // which may be writable (root, a prefix in the home folder) but is never written to.
    facts.programFolder = core::executableFolder();
    const QString bioTab = facts.programFolder + kBioTab;
    facts.programBioTabIsFolder = QFileInfo(bioTab).isDir();
    // access() asks the kernel, which also knows read-only mounts.
    facts.programBioTabWritable = facts.programBioTabIsFolder
        && ::access(QFile::encodeName(bioTab).constData(), W_OK | X_OK) == 0;
    facts.appDataLocation = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return facts;
}

TakeOver copyTablesOnce(const QString& fromFolder, const QString& toFolder)
{
    TakeOver result;
    const QString from = withSlash(fromFolder);
    const QString to = withSlash(toFolder);
    if (QFileInfo::exists(to + kCopiedMarker) || QFileInfo(from).canonicalFilePath()
                                                     == QFileInfo(to).canonicalFilePath())
        return result;
    for (const QString& name : tableFileNames()) {
        const QFileInfo source(from + name);
        // Only regular files: a FIFO or folder in the program folder is no table.
        if (!source.isFile() || QFileInfo::exists(to + name) || QFileInfo(to + name).isSymLink())
            continue;
        (copyWhole(source.filePath(), to + name) ? result.copied : result.failed) << name;
    }
    if (!result.failed.isEmpty()) {
        result.message = QStringLiteral("Die Tabelle(n) %1 aus \"%2\" konnten nicht nach \"%3\" "
                                        "übernommen werden. Beim nächsten Start wird es erneut "
                                        "versucht.")
                             .arg(result.failed.join(QStringLiteral(", ")),
                                  QDir::toNativeSeparators(from), QDir::toNativeSeparators(to));
        return result;
    }
    QSaveFile marker(to + kCopiedMarker);
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(result.copied.join(QLatin1Char('\n')).toUtf8());
        marker.commit();
    }
    return result;
}

QString takeOverProblem()
{
    return std::exchange(chosen().problem, QString());
}

QString userDataFolder()
{
    Chosen& c = chosen();
    // A choice holds as long as the program folder it was made for.
    if (c.overridden || (!c.folder.isEmpty() && c.programFolder == core::executableFolder()))
        return c.folder;
    const DataFolderFacts facts = currentDataFolderFacts();
    const QString folder = chooseDataFolder(facts);
    const QString programBioTab = facts.programFolder + kBioTab + QLatin1Char('/');
    if (folder != programBioTab && QDir().mkpath(folder))
        c.problem = copyTablesOnce(programBioTab, folder).message;
    c.folder = folder;
    c.programFolder = facts.programFolder;
    return c.folder;
}

QString userDataPath(const QString& relative)
{
    return userDataFolder() + relative;
}

QString tablePath(const QString& relative)
{
    const QString prefix = kBioTab + QLatin1Char('/');
    if (relative.startsWith(prefix))
        return userDataPath(relative.mid(prefix.size()));
    return core::programPath(relative);
}

void setUserDataFolder(const QString& folder)
{
    Chosen& c = chosen();
    c.overridden = !folder.isEmpty();
    c.folder = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
    c.programFolder.clear();
}

} // namespace zuv::store
