// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "infotestsupport.h"

#include <fileversion.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuv::info;
using namespace zuv::info::test;

namespace {

QByteArray marker()
{
    return fileVersionRecord({}).left(16);
}

QByteArray noise(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

struct VersionCase {
    const char* what;
    QByteArray content;
    const char* expected;
};

} // namespace

TEST(FileVersion, RecordIsMarkerVersionTextAndNul)
{
    const QByteArray record = fileVersionRecord({2, 0, 3, 17});
    EXPECT_EQ(record.size(), 16 + 8 + 1);
    EXPECT_EQ(record.mid(16), QByteArray("2.0.3.17", 9));
}

TEST(FileVersion, TextOfFilesWithAndWithoutRecord)
{
    // Expected texts: "%d.%d.%d.%d" of the record's numbers, "?" for no valid record.
    const qsizetype piece = 1 << 20;   // the reader's piece size
    const VersionCase cases[] = {
        {"record amid binary data", noise(5000, 1) + fileVersionRecord({2, 0, 3, 17}) + noise(300, 2),
         "2.0.3.17"},
        {"zeros are kept, no leading zeros", fileVersionRecord({0, 10, 0, 100}), "0.10.0.100"},
        {"largest numbers", fileVersionRecord({65535, 65535, 65535, 65535}),
         "65535.65535.65535.65535"},
        {"leading zeros in the file are dropped", marker() + QByteArray("02.00.03.017", 13),
         "2.0.3.17"},
        {"no record", noise(20000, 3), "?"},
        {"empty file", QByteArray(), "?"},
        {"marker without version", marker() + QByteArray("hello", 6), "?"},
        {"number above 65535", marker() + QByteArray("2.0.3.65536", 12), "?"},
        {"three numbers", marker() + QByteArray("2.0.3", 6), "?"},
        {"five numbers", marker() + QByteArray("2.0.3.17.1", 11), "?"},
        {"empty number", marker() + QByteArray("2..3.17", 8), "?"},
        {"cut off before the NUL", noise(100, 4) + marker() + "2.0.3.17", "?"},
        {"invalid marker first, valid record later",
         marker() + "x" + noise(100, 5) + fileVersionRecord({2, 0, 3, 17}), "2.0.3.17"},
        {"record across a piece boundary",
         noise(piece - 20, 6) + fileVersionRecord({2, 0, 3, 17}) + noise(100, 7), "2.0.3.17"},
        {"marker split by a piece boundary",
         noise(piece - 7, 8) + fileVersionRecord({4, 5, 6, 7}), "4.5.6.7"},
        {"record in the second piece", noise(piece + 500, 9) + fileVersionRecord({1, 2, 3, 4}),
         "1.2.3.4"},
        {"first of two records", fileVersionRecord({3, 1, 0, 0}) + fileVersionRecord({9, 9, 9, 9}),
         "3.1.0.0"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int n = 0;
    for (const VersionCase& c : cases) {
        const QString path = dir.filePath(QStringLiteral("file%1.exe").arg(++n));
        writeFile(path, c.content);
        EXPECT_EQ(GetFileVersionText(path), QString::fromLatin1(c.expected)) << c.what;
    }
}

TEST(FileVersion, MissingFileGivesQuestionMark)
{
    QTemporaryDir dir;
    EXPECT_EQ(GetFileVersionText(dir.filePath(QStringLiteral("nicht-da.exe"))), QStringLiteral("?"));
    EXPECT_EQ(GetFileVersionText(dir.path()), QStringLiteral("?"));
}

TEST(FileVersion, ExecutableCarriesTheProjectVersion)
{
    // This test program links the info library, so it carries the record like the program.
    EXPECT_EQ(builtVersionText(), QStringLiteral(ZUV_PROJECT_VERSION));
    EXPECT_EQ(GetFileVersionText(QCoreApplication::applicationFilePath()),
              QStringLiteral(ZUV_PROJECT_VERSION));
}

// The fuzz target's seeds, each with the answer the reader owes it.
TEST(FileVersion, FuzzSeedsGiveTheirVersionOrQuestionMark)
{
    const struct {
        const char* file;
        const char* expected;
    } seeds[] = {
        {"valid", "2.0.3.17"},
        {"no_record", "?"},
        {"cut_after_marker", "?"},
        {"cut_in_text", "?"},
        {"too_large_number", "1.2.3.4"},   // the first valid record counts
        {"letters", "?"},
        {"five_numbers", "?"},
        {"empty", "?"},
    };
    const QString folder = QStringLiteral(ZUV_TEST_DATA_DIR "/info/fileversion_seeds/");
    for (const auto& s : seeds) {
        const QString path = folder + QLatin1String(s.file);
        ASSERT_TRUE(QFile::exists(path)) << s.file;
        EXPECT_EQ(GetFileVersionText(path), QLatin1String(s.expected)) << s.file;
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), int(std::size(seeds)))
        << "every seed has its expected answer here";
}
