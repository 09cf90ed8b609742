// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuv::core;

namespace {

// A fake prefix: <root>/bin and <root>/share/zuvododerod, each filled as a case asks.
class PrefixTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return m_root.filePath(relative); }
    void makeDir(const QString& relative) { ASSERT_TRUE(QDir().mkpath(path(relative))); }
    void makeFile(const QString& relative)
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString bin() const { return path(QStringLiteral("bin")) + QLatin1Char('/'); }
    QString share() const { return path(QStringLiteral("share/zuvododerod")) + QLatin1Char('/'); }

    QTemporaryDir m_root;
};

struct DataCase {
    const char* what;
    QStringList besideExecutable;   // folders made in bin/
    QStringList installed;          // folders made in share/zuvododerod/
    bool expectInstalled;
};

TEST(DataFolder, ReadOnlyDataComesFromTheFirstFolderThatHoldsIt)
{
    // Build folder and portable copies keep the data beside the executable; an installed
    // copy has it in share/zuvododerod; a half copy beside the program does not count.
    const DataCase cases[] = {
        {"build folder", {"TZeichen", "BioHelp", "BioTab"}, {}, false},
        {"build folder wins over an install", {"TZeichen", "BioHelp"}, {"TZeichen", "BioHelp"}, false},
        {"installed", {}, {"TZeichen", "BioHelp", "BioBMPs"}, true},
        {"only tables beside the program", {"BioTab"}, {"TZeichen", "BioHelp"}, true},
        {"help missing beside the program", {"TZeichen"}, {"TZeichen", "BioHelp"}, true},
        {"nothing anywhere", {}, {}, false},
        {"installed copy incomplete", {}, {"TZeichen"}, false},
    };
    for (const DataCase& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        const QDir r(root.path());
        ASSERT_TRUE(r.mkpath(QStringLiteral("bin")));
        for (const QString& d : c.besideExecutable)
            ASSERT_TRUE(r.mkpath(QStringLiteral("bin/") + d));
        for (const QString& d : c.installed)
            ASSERT_TRUE(r.mkpath(QStringLiteral("share/zuvododerod/") + d));
        const QString exe = r.filePath(QStringLiteral("bin"));
        const QString found = findDataFolder(
            dataFolderCandidates(exe, QStringLiteral("../share/zuvododerod")));
        const QString expected =
            r.filePath(c.expectInstalled ? QStringLiteral("share/zuvododerod/")
                                         : QStringLiteral("bin/"));
        EXPECT_EQ(found, expected);
    }
}

TEST_F(PrefixTest, CandidatesAreCleanAbsoluteFoldersEndingInASlash)
{
    makeDir(QStringLiteral("bin"));
    const QStringList candidates =
        dataFolderCandidates(path(QStringLiteral("bin//")), QStringLiteral("../share/zuvododerod"));
    EXPECT_EQ(candidates, (QStringList{bin(), share()}));
}

TEST_F(PrefixTest, HelperBesideTheExecutableIsPreferred)
{
    makeDir(QStringLiteral("bin"));
    makeDir(QStringLiteral("libexec"));
    makeFile(QStringLiteral("libexec/zuvododerod-metafile"));
    const QString installed = path(QStringLiteral("libexec/zuvododerod-metafile"));

    // Installed: only libexec has it.
    EXPECT_EQ(findHelperProgram(bin(), QStringLiteral("../libexec"),
                                QStringLiteral("zuvododerod-metafile")),
              installed);
    // A folder of that name beside the program is not a program.
    makeDir(QStringLiteral("bin/zuvododerod-metafile"));
    EXPECT_EQ(findHelperProgram(bin(), QStringLiteral("../libexec"),
                                QStringLiteral("zuvododerod-metafile")),
              installed);
    // Build folder: the helper lies beside the executable.
    makeDir(QStringLiteral("build"));
    makeFile(QStringLiteral("build/zuvododerod-metafile"));
    EXPECT_EQ(findHelperProgram(path(QStringLiteral("build")), QStringLiteral("../libexec"),
                                QStringLiteral("zuvododerod-metafile")),
              path(QStringLiteral("build/zuvododerod-metafile")));
}

TEST(ProgramFolderOverride, TestsFolderReplacesBothFolders)
{
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    const QString expected = QDir(dir.path()).absolutePath() + QLatin1Char('/');
    EXPECT_EQ(programFolder(), expected);
    EXPECT_EQ(executableFolder(), expected);
    EXPECT_EQ(programPath(QStringLiteral("BioTab/Namensliste")),
              expected + QStringLiteral("BioTab/Namensliste"));
    setProgramFolder(QString());
    EXPECT_NE(programFolder(), expected);
}

} // namespace
