// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Metafiles as LibreOffice saves them (tools/make_picture_testfiles.sh) and as the seeds
// script writes them: what the drawing looks like after conversion in the helper process
// and drawing into an image of the slot's size.

#include "dialogs.h"
#include "picturecache.h"
#include "pictureloader.h"
#include "printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

using zuv::pictures::PictureCache;

QString data(const char* name)
{
    return QStringLiteral(ZUV_TEST_DATA_DIR "/photocalendar/") + QString::fromLatin1(name);
}

class Metafiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        zuv::pictures::setMetafileHelperPath(QDir(QCoreApplication::applicationDirPath())
                                              .filePath(QStringLiteral("zuvododerod-metafile")));
    }
    // The drawing on white, as the page shows it.
    static QImage onWhite(const QImage& drawing)
    {
        QImage page(drawing.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        p.drawImage(0, 0, drawing);
        return page;
    }
    PictureCache cache;
};

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

QByteArray svgOf(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return zuv::pictures::convertInHelper(file.endsWith(QLatin1String(".emf")), f.readAll());
}

// The LibreOffice drawing is 8 x 6 cm; drawn at 75 pixels a centimetre. Source of every
// expected colour: the drawing's own definition in tools/picture_testfiles/drawing.fodg.in;
// the translucent box is 50 % #0000FF over #C00000, i.e. (96, 0, 128) with LibreOffice's
// alpha of 127/255.
TEST_F(Metafiles, LibreOfficeDrawingsKeepColoursTextBitmapsAndEdges)
{
    const struct Probe { double xCm, yCm; QColor color; const char* what; } probes[] = {
        {1.0, 2.5, QColor(0xC0, 0x00, 0x00), "#C00000, not firebrick"},
        {7.0, 2.5, QColor(0x00, 0xA0, 0x50), "#00A050, not a named green"},
        {5.5, 4.5, QColor(0xFF, 0xD7, 0x00), "bitmap, left half"},
        {6.5, 4.5, QColor(0x00, 0x80, 0x00), "bitmap, right half"},
        {0.04, 3.0, QColor(0x00, 0x00, 0x80), "frame at the left edge"},
        {7.96, 3.0, QColor(0x00, 0x00, 0x80), "frame at the right edge, not clipped"},
        {4.0, 5.96, QColor(0x00, 0x00, 0x80), "frame at the bottom edge, not clipped"},
    };
    const struct { const char* file; bool translucent; QList<QByteArray> texts; } cases[] = {
        // The WMF records alone: WMF keeps no alpha.
        {"pictures/libreoffice_plain.wmf", false, {">G</text>", ">ü</text>", ">ß</text>", ">ö</text>"}},
        // LibreOffice's WMF carries the whole drawing as EMF in its comments too; that copy
        // is drawn, transparency and all.
        {"pictures/libreoffice.wmf", true, {"Grüße aus Köln"}},
        {"pictures/libreoffice.emf", true, {"Grüße aus Köln"}},
    };
    const QSize size(600, 450);
    for (const auto& c : cases) {
        const QByteArray svg = svgOf(data(c.file));
        for (const QByteArray& text : c.texts)
            EXPECT_TRUE(svg.contains(text)) << c.file << ": " << text.constData();
        const QImage img = onWhite(cache.image(data(c.file), size));
        ASSERT_EQ(img.size(), size) << c.file;
        for (const Probe& p : probes) {
            const QPoint at(int(p.xCm * 75), int(p.yCm * 75));
            EXPECT_TRUE(near(img.pixelColor(at), p.color, 3))
                << c.file << ": " << p.what << " is " << img.pixelColor(at).name().toStdString();
        }
        const QColor box = img.pixelColor(int(2.0 * 75), int(4.5 * 75));
        if (c.translucent) {
            EXPECT_TRUE(near(box, QColor(96, 0, 128), 3)) << c.file << ": " << box.name().toStdString();
        }
        // The text "Grüße aus Köln" is there: black pixels in its band.
        int black = 0;
        for (int y = int(0.6 * 75); y < int(1.9 * 75); ++y)
            for (int x = int(0.5 * 75); x < int(7.5 * 75); ++x)
                black += qGray(img.pixel(x, y)) < 40;
        EXPECT_GT(black, 400) << c.file;
    }
}

TEST_F(Metafiles, ARecordTheConverterRefusesIsLeftOutTheRestDrawn)
{
    // The seed's red box covers (20,20)-(380,280) of 400 x 300; the RLE8 bitmap would be a
    // black box at (150,100)-(190,130).
    const QImage img = onWhite(cache.image(data("seeds/sample_rle8_bitmap.emf"), QSize(400, 300)));
    EXPECT_EQ(img.pixelColor(60, 60), QColor(0xFF, 0, 0));
    EXPECT_EQ(img.pixelColor(300, 250), QColor(0xFF, 0, 0));
    EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(Metafiles, AbsurdBoundsAreRefusedWithAReason)
{
    // Before, the EMF came out as a blank 1 x 1 picture without a word.
    for (const char* file : {"seeds/absurd_bounds.emf", "seeds/absurd_bounds.wmf"}) {
        const PictureCache::Result r = cache.tryImage(data(file), QSize(400, 300));
        ASSERT_FALSE(r.ok()) << file;
        EXPECT_TRUE(r.error.contains(QStringLiteral("unsinnige Abmessungen"))) << r.error.toStdString();
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Das Bild \""))) << r.error.toStdString();
    }
}

// The helper has no Qt and answers in German; an English user still reads English, for the
// fixed reasons (looked up by their wording) and for the one that carries numbers.
TEST_F(Metafiles, TheHelpersReasonsAreTranslated)
{
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(ZUV_ENGLISH_QM)));
    QCoreApplication::installTranslator(&english);
    const PictureCache::Result r = cache.tryImage(data("seeds/absurd_bounds.emf"), QSize(400, 300));
    QFile wmf(data("pictures/libreoffice.wmf"));
    ASSERT_TRUE(wmf.open(QIODevice::ReadOnly));
    QString tooLarge;
    try {
        zuv::pictures::convertInHelper(false, wmf.readAll(), 30000, 1);
    } catch (const std::exception& e) {
        tooLarge = QString::fromUtf8(e.what());
    }
    QCoreApplication::removeTranslator(&english);
    // Expected: translations/zuvododerod_en.ts.
    EXPECT_TRUE(r.error.contains(QStringLiteral("gives absurd dimensions"))) << r.error.toStdString();
    EXPECT_TRUE(tooLarge.contains(QStringLiteral("too large a drawing"))) << tooLarge.toStdString();
}

} // namespace
