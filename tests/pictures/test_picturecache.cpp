// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Loading the user's pictures: real files made by ImageMagick and LibreOffice
// (tools/make_picture_testfiles.sh), the German causes of every refusal, the checks of
// bitmap and icon headers, and the cache that decodes a picture only once.

#include "dialogs.h"
#include "picturecache.h"
#include "picturecheck.h"
#include "pictureloader.h"
#include "printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using zuv::pictures::PictureCache;
using zuv::pictures::PictureFormat;

QString picture(const char* name)
{
    return QStringLiteral(ZUV_TEST_DATA_DIR "/photocalendar/pictures/") + QString::fromLatin1(name);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(data);
}

void useHelperNextToTheTests()
{
    zuv::pictures::setMetafileHelperPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zuvododerod-metafile")));
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// ------------------------------------------------------------------ refusals, in German

TEST(PictureLoading, EveryRefusalNamesTheFileAndItsCauseInGerman)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    writeBytes(at("leer.jpg"), {});
    writeBytes(at("text.bmp"), "Das ist kein Bild.\n");
    writeBytes(at("bild.xcf"), bytesOf(picture("orange.jpg")));
    QDir(dir.path()).mkdir(QStringLiteral("ordner.jpg"));
    ASSERT_EQ(mkfifo(at("pipe.jpg").toLocal8Bit().constData(), 0600), 0);

    // Expected texts: the causes the user must be told (not found, no permission, damaged or
    // cut off, wrong file type, too large), worded by this program.
    const struct { QString file; const char* cause; } cases[] = {
        {at("fehlt.jpg"), "Die Datei wurde nicht gefunden."},
        {at("ordner.jpg"), "Das ist ein Ordner, keine Bilddatei."},
        {at("pipe.jpg"), "keine gewöhnliche Datei"},             // and no hang on the FIFO
        {at("leer.jpg"), "Die Datei ist leer."},
        {at("bild.xcf"), "Falscher Dateityp: unbekannte Dateierweiterung \"xcf\""},
        {at("text.bmp"), "Die Datei enthält keine gültige Windows-Bitmap (falscher Dateityp oder beschädigt)."},
        {picture("png_named.jpg"), "Die Datei enthält ein PNG-Bild, erwartet wird aber ein JPEG-Bild (falscher Dateityp)."},
        {picture("cut24.bmp"), "Die Datei ist abgeschnitten: es fehlen 14 von 30 Bildzeilen."},
        {picture("cut.jpg"), "Die Datei ist beschädigt"},
        {QString(), "Es ist kein Dateiname angegeben."},
    };
    PictureCache cache;
    for (const auto& c : cases) {
        const PictureCache::Result r = cache.tryImage(c.file, QSize(200, 200));
        EXPECT_FALSE(r.ok()) << c.cause;
        EXPECT_TRUE(r.error.startsWith(zuv::pictures::pictureError(c.file, {}))) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.cause))) << r.error.toStdString();
        for (const char* english : {"Unable", "denied", "image data", "No such", "Permission"})
            EXPECT_FALSE(r.error.contains(QLatin1String(english))) << r.error.toStdString();
    }
}

TEST(PictureLoading, UnreadableFileIsAPermissionProblemNotADamagedPicture)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file: no permission problem to provoke";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gesperrt.jpg"));
    ASSERT_TRUE(QFile::copy(picture("orange.jpg"), file));
    ASSERT_EQ(chmod(file.toLocal8Bit().constData(), 0), 0);
    const PictureCache::Result r = PictureCache().tryImage(file, QSize(100, 100));
    EXPECT_TRUE(r.error.endsWith(QStringLiteral("Keine Berechtigung: die Datei darf nicht gelesen werden.")))
        << r.error.toStdString();
}

// ------------------------------------------------------------------ what comes out

TEST(PictureLoading, RealFilesShowTheirOwnPixels)
{
    useHelperNextToTheTests();
    // Source of the colours and sizes: tools/make_picture_testfiles.sh.
    const struct {
        const char* file;
        QSize pixels;          // asked for
        QSize size;            // expected
        QPoint at;
        QColor color;
    } cases[] = {
        {"halves24.bmp", {400, 400}, {40, 30}, {5, 15}, QColor(0xFF, 0, 0)},
        {"halves24.bmp", {400, 400}, {40, 30}, {35, 15}, QColor(0, 0, 0xFF)},
        {"halves8rle.bmp", {400, 400}, {40, 30}, {35, 29}, QColor(0, 0, 0xFF)},
        {"halves24.bmp", {20, 10}, {20, 10}, {2, 5}, QColor(0xFF, 0, 0)},   // made smaller, never larger
        // The largest entry, not the first (16 x 16 red).
        {"red16_green48.ico", {400, 400}, {48, 48}, {24, 24}, QColor(0, 0xFF, 0)},
        {"blue32.ico", {400, 400}, {32, 32}, {3, 3}, QColor(0, 0, 0xFF)},
        {"orange.jpg", {400, 400}, {64, 48}, {32, 24}, QColor(0xFF, 0x80, 0)},
    };
    PictureCache cache;
    for (const auto& c : cases) {
        const QImage img = cache.image(picture(c.file), c.pixels);
        EXPECT_EQ(img.size(), c.size) << c.file;
        EXPECT_TRUE(near(img.pixelColor(c.at), c.color, 6))
            << c.file << " " << img.pixelColor(c.at).name().toStdString();
    }
}

TEST(PictureLoading, IconEntryIsTheLargestThenTheDeepest)
{
    // Directories written here: entry i is (width, height, bit count in the directory);
    // each entry's data is 40 bytes, a BITMAPINFOHEADER whose bit count is the entry's.
    const auto icon = [](std::vector<std::array<int, 3>> entries, int cutLast = 0) {
        QByteArray f;
        const auto u16 = [&](int v) { f.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); };
        const auto u32 = [&](quint32 v) { u16(int(v & 0xFFFF)); u16(int(v >> 16)); };
        u16(0); u16(1); u16(int(entries.size()));
        quint32 offset = 6 + 16 * quint32(entries.size());
        for (const auto& e : entries) {
            f.append(char(e[0] & 0xFF)).append(char(e[1] & 0xFF)).append(char(0)).append(char(0));
            u16(1); u16(e[2]); u32(40); u32(offset);
            offset += 40;
        }
        for (const auto& e : entries) {
            QByteArray header(40, '\0');
            header[0] = 40;
            header[14] = char(e[2]);
            f.append(header);
        }
        f.chop(cutLast);
        return f;
    };
    const struct { const char* what; QByteArray file; int index; const char* problem; } cases[] = {
        {"largest last", icon({{16, 16, 32}, {48, 48, 32}}), 1, ""},
        {"largest first", icon({{48, 48, 8}, {16, 16, 32}}), 0, ""},
        {"tie: deepest wins", icon({{32, 32, 4}, {32, 32, 32}, {32, 32, 8}}), 1, ""},
        {"tie, same depth: the first", icon({{32, 32, 8}, {32, 32, 8}}), 0, ""},
        {"0 means 256", icon({{255, 255, 32}, {0, 0, 8}}), 1, ""},
        {"area, not width", icon({{64, 8, 32}, {24, 24, 32}}), 1, ""},
        {"entry past the end", icon({{16, 16, 32}, {48, 48, 32}}, 1), -1, "abgeschnitten: Bild 2 von 2"},
        {"directory cut", icon({{16, 16, 32}, {48, 48, 32}}).left(20), -1, "Bildverzeichnis ist unvollständig"},
        {"no entries", icon({}), -1, "enthält kein Bild"},
        {"not an icon", QByteArray("BM....................."), -1, "keine Symboldatei"},
    };
    for (const auto& c : cases) {
        const zuv::pictures::IconChoice choice = zuv::pictures::chooseIconEntry(c.file);
        EXPECT_EQ(choice.index, c.index) << c.what;
        EXPECT_TRUE(choice.problem.contains(QString::fromUtf8(c.problem))) << c.what << ": "
                                                                          << choice.problem.toStdString();
    }
}

TEST(PictureLoading, BitmapHeadersAgainstTheFileLength)
{
    const QByteArray whole = bytesOf(picture("halves24.bmp"));
    ASSERT_EQ(whole.size(), 54 + 120 * 30);   // 40 pixels x 3 bytes = 120 a row, 30 rows
    const QByteArray rle = bytesOf(picture("halves8rle.bmp"));
    const auto withoutDataSize = [](QByteArray b) {   // biSizeImage 0, as many writers leave it
        b.replace(34, 4, QByteArray(4, '\0'));
        return b;
    };
    const struct { const char* what; QByteArray file; const char* problem; } cases[] = {
        {"whole", whole, nullptr},
        {"one byte short: the last row is incomplete", whole.chopped(1), "es fehlen 1 von 30 Bildzeilen"},
        {"cut after 10 rows", whole.left(54 + 120 * 10), "es fehlen 20 von 30 Bildzeilen"},
        {"only the headers", whole.left(54), "ihre Bilddaten fehlen ganz"},
        {"cut in the info header", whole.left(30), "Dateikopf ist unvollständig"},
        {"RLE whole", rle, nullptr},
        {"RLE cut", rle.chopped(100), "es fehlen 100 Bytes der Bilddaten"},
        {"RLE cut, no data size in the header", withoutDataSize(rle.chopped(100)), "enden vor ihrem Schlusszeichen"},
        {"RLE whole, no data size in the header", withoutDataSize(rle), nullptr},
        {"not a bitmap", QByteArray("GIF89a"), nullptr},
    };
    for (const auto& c : cases) {
        const auto problem = zuv::pictures::bitmapProblem(c.file);
        if (!c.problem) {
            EXPECT_FALSE(problem.has_value()) << c.what << ": " << problem.value_or(QString()).toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << c.what;
        EXPECT_TRUE(problem->contains(QString::fromUtf8(c.problem))) << c.what << ": " << problem->toStdString();
    }
}

// ------------------------------------------------------------------ the cache

TEST(PictureCacheTest, DecodesOnlyWhenFileOrSizeChanged)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bild.bmp"));
    ASSERT_TRUE(QFile::copy(picture("halves24.bmp"), file));
    PictureCache cache;
    const QSize slot(40, 30);

    const QImage first = cache.image(file, slot);
    EXPECT_EQ(cache.stats().decodes, 1);
    const QImage again = cache.image(file, slot);
    EXPECT_EQ(cache.stats().decodes, 1);
    EXPECT_EQ(cache.stats().hits, 1);
    EXPECT_EQ(again.constBits(), first.constBits());   // the same image, shared

    cache.image(file, QSize(20, 15));                  // another slot size
    EXPECT_EQ(cache.stats().decodes, 2);

    // Same length, other content and modification time: decoded anew, the new pixels show.
    QImage swapped(40, 30, QImage::Format_RGB888);
    swapped.fill(QColor(0, 0xFF, 0));
    ASSERT_TRUE(swapped.save(file, "BMP"));
    ASSERT_EQ(QFileInfo(file).size(), bytesOf(picture("halves24.bmp")).size());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    f.close();
    const QImage changed = cache.image(file, slot);
    EXPECT_EQ(cache.stats().decodes, 3);
    EXPECT_EQ(changed.pixelColor(5, 15), QColor(0, 0xFF, 0));

    // A file that is gone is reported, not served from the cache.
    QFile::remove(file);
    EXPECT_THROW(cache.image(file, slot), zuv::core::Error);
}

TEST(PictureCacheTest, MetafileIsConvertedOncePerFileVersion)
{
    useHelperNextToTheTests();
    PictureCache cache;
    const QString file = picture("libreoffice.emf");
    const QImage big = cache.image(file, QSize(600, 450));
    const QImage small = cache.image(file, QSize(160, 120));
    EXPECT_EQ(big.size(), QSize(600, 450));
    EXPECT_EQ(small.size(), QSize(160, 120));
    EXPECT_EQ(cache.stats().conversions, 1);
    EXPECT_EQ(cache.stats().decodes, 2);
    cache.image(file, QSize(160, 120));
    EXPECT_EQ(cache.stats().decodes, 2);
}

// The cache decodes on the thread that asks and runs no event loop of its own: the window
// asks from a worker (pagepictures.h), and nothing can run in between a decoding.
TEST(PictureCacheTest, DecodingRunsNoEventsOfItsOwn)
{
    useHelperNextToTheTests();
    ASSERT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    PictureCache cache;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    const QImage img = cache.image(picture("libreoffice.emf"), QSize(300, 225));
    timer.stop();
    EXPECT_EQ(img.size(), QSize(300, 225));
    EXPECT_EQ(ticks, 0);
    EXPECT_THROW(cache.image(picture("cut24.bmp"), QSize(40, 30)), zuv::core::Error);
}

TEST(PictureCacheTest, StaysWithinItsBudgetDroppingTheOldestFirst)
{
    // Budget for two 40 x 30 images of 4 bytes a pixel.
    PictureCache cache(2 * 40 * 30 * 4 + 100, 1024);
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << dir.filePath(QStringLiteral("b%1.bmp").arg(i));
        ASSERT_TRUE(QFile::copy(picture("halves24.bmp"), files.back()));
    }
    cache.image(files[0], QSize(40, 30));
    cache.image(files[1], QSize(40, 30));
    cache.image(files[0], QSize(40, 30));   // used again: now the newest
    cache.image(files[2], QSize(40, 30));   // pushes out files[1], the oldest
    EXPECT_LE(cache.stats().imageBytes, 2 * 40 * 30 * 4 + 100);
    EXPECT_EQ(cache.stats().decodes, 3);
    cache.image(files[0], QSize(40, 30));
    EXPECT_EQ(cache.stats().decodes, 3);
    cache.image(files[1], QSize(40, 30));
    EXPECT_EQ(cache.stats().decodes, 4);
}

} // namespace
