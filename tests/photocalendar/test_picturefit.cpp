// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures in their slots: what part shows where, how sharp it prints, what is kept.

#include "dialogs.h"
#include "picturefit.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace zuv::photo;

// Camera and phone shapes, a panorama and a picture smaller than any slot.
const QSizeF kPictures[] = {{6000, 4000}, {4000, 6000}, {8000, 2000}, {300, 200}};
// The slots of the month page (one picture, one with chart, one of three) and the cover's
// box, in report pixels.
const QRectF kSlots[] = {{96, 640, 609, 377}, {96, 768, 609, 289}, {72, 768, 201, 289},
                         {96, 300, 609, 740}};
const FocusPoint kFoci[] = {{0.5, 0.5}, {0, 0}, {1, 1}, {0.1, 0.9}, {0.97, 0.2}};

// The shown part and its place have the same proportions to within a pixel, measured in
// the coarser of both: printed report pixels and picture pixels.
void expectProportionsKept(const FittedRect& f, const std::string& where)
{
    const double targetWidthFromSource = f.source.width() / f.source.height() * f.target.height();
    EXPECT_NEAR(targetWidthFromSource, f.target.width(), 1.0) << where;
    const double sourceWidthFromTarget = f.target.width() / f.target.height() * f.source.height();
    EXPECT_NEAR(sourceWidthFromTarget, f.source.width(), 1.0) << where;
}

TEST(PictureFit, EveryFitKeepsItsPromiseInEverySlot)
{
    for (const QSizeF& picture : kPictures) {
        const QRectF whole(QPointF(0, 0), picture);
        for (const QRectF& slot : kSlots) {
            for (const FocusPoint& focus : kFoci) {
                const std::string where = std::to_string(int(picture.width())) + "x"
                    + std::to_string(int(picture.height())) + " in "
                    + std::to_string(int(slot.width())) + "x" + std::to_string(int(slot.height()))
                    + " focus " + std::to_string(focus.x) + "/" + std::to_string(focus.y);

                const FittedRect crop = fitPicture(picture, slot, PictureFit::Crop, focus);
                EXPECT_EQ(crop.target, slot) << where;
                EXPECT_TRUE(whole.contains(crop.source)) << where;
                expectProportionsKept(crop, where);
                // As much of the picture as the slot's shape allows: one side is whole.
                EXPECT_TRUE(std::abs(crop.source.width() - picture.width()) < 1e-6
                            || std::abs(crop.source.height() - picture.height()) < 1e-6)
                    << where;
                const QPointF point(focus.x * picture.width(), focus.y * picture.height());
                EXPECT_TRUE(crop.source.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(point)) << where;

                const FittedRect fit = fitPicture(picture, slot, PictureFit::Fit, focus);
                EXPECT_EQ(fit.source, whole) << where;
                EXPECT_TRUE(slot.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(fit.target)) << where;
                expectProportionsKept(fit, where);
                EXPECT_NEAR(fit.target.center().x(), slot.center().x(), 1e-6) << where;
                EXPECT_NEAR(fit.target.center().y(), slot.center().y(), 1e-6) << where;
                EXPECT_TRUE(std::abs(fit.target.width() - slot.width()) < 1e-6
                            || std::abs(fit.target.height() - slot.height()) < 1e-6)
                    << where;

                const FittedRect stretch = fitPicture(picture, slot, PictureFit::Stretch, focus);
                EXPECT_EQ(stretch.source, whole) << where;
                EXPECT_EQ(stretch.target, slot) << where;
            }
        }
    }
}

TEST(PictureFit, CropFollowsTheFocusToTheEdge)
{
    const QSizeF landscape(6000, 4000);
    const QRectF tall(0, 0, 201, 289);   // a landscape in a tall slot loses its sides
    struct Case {
        FocusPoint focus;
        double left;   // from the geometry: shown part 4000 * 201 / 289 = 2782 wide
    };
    const double part = 4000.0 * 201 / 289;
    const Case cases[] = {{{0, 0.5}, 0}, {{1, 0.5}, 6000 - part}, {{0.5, 0.5}, (6000 - part) / 2},
                          {{0.3, 0.5}, 0.3 * 6000 - part / 2}};
    for (const Case& c : cases)
        EXPECT_NEAR(fitPicture(landscape, tall, PictureFit::Crop, c.focus).source.left(), c.left, 1e-6)
            << c.focus.x;
}

TEST(PictureFit, FocusOutsideThePictureIsRefusedOrClamped)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        FocusPoint focus;
        bool onPicture;
        FocusPoint clamped;
    };
    const Case cases[] = {
        {{0, 1}, true, {0, 1}},        {{1.2, 0.5}, false, {1, 0.5}},
        {{0.5, -0.01}, false, {0.5, 0}}, {{nan, 0.3}, false, {0.5, 0.3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clampedFocus(c.focus), c.clamped) << c.focus.x << "/" << c.focus.y;
        if (c.onPicture) {
            EXPECT_EQ(checkedFocus(c.focus), c.focus);
            continue;
        }
        try {
            checkedFocus(c.focus);
            ADD_FAILURE() << "accepted " << c.focus.x << "/" << c.focus.y;
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("außerhalb des Bildes")))
                << e.message().toStdString();
        }
    }
}

TEST(PictureFit, WordsOfTheCommandLine)
{
    EXPECT_EQ(fitFromWord(QStringLiteral(" Zuschneiden ")), PictureFit::Crop);
    EXPECT_EQ(fitFromWord(QStringLiteral("einpassen")), PictureFit::Fit);
    EXPECT_EQ(fitFromWord(QStringLiteral("VERZERREN")), PictureFit::Stretch);
    EXPECT_EQ(fitFromWord(QStringLiteral("strecken")), std::nullopt);
    for (PictureFit f : {PictureFit::Crop, PictureFit::Fit, PictureFit::Stretch})
        EXPECT_EQ(fitFromWord(fitWord(f)), f);
}

TEST(PictureResolution, WarnsBelow150PpiAtThePrintedSize)
{
    // A slot 609 report pixels wide is 609 / 96 inches; a part of 609 pixels prints at 96 ppi.
    // On A3 the design prints 297 / 210 times as large, on A5 148 / 210 times.
    struct Case {
        QSizeF source;
        QRectF target;
        double scale;
        int ppi;
        bool warned;
    };
    const Case cases[] = {
        {{609, 377}, {0, 0, 609, 377}, 1, 96, true},
        {{1000, 2000}, {0, 0, 320, 640}, 1, 300, false},      // 1000 / (320 / 96)
        {{2000, 951.5625}, {0, 0, 1280, 609}, 1, 150, false},  // the narrower way counts: 150 ppi
        {{2000, 950}, {0, 0, 1280, 609}, 1, 150, true},        // 149.75 ppi
        {{609, 377}, {0, 0, 609, 377}, 297.0 / 210, 68, true},  // 96 / 1.414
        {{609, 377}, {0, 0, 609, 377}, 148.0 / 210, 136, true}, // 96 / 0.705
    };
    for (const Case& c : cases) {
        const double ppi = printedPpi({QRectF(QPointF(0, 0), c.source), c.target}, c.scale);
        EXPECT_EQ(static_cast<int>(std::lround(ppi)), c.ppi);
        EXPECT_EQ(resolutionWarning(QStringLiteral("März"), 1, ppi).has_value(), c.warned) << ppi;
    }
    EXPECT_EQ(resolutionWarning(QStringLiteral("März"), 1, 96.0),
              QStringLiteral("März, Bild 1: 96 ppi, wird unscharf"));
}

TEST(PictureResolution, StoredAtNoMoreThan300Ppi)
{
    // 201 x 289 report pixels are 2.09 x 3.01 inches: 628.1 x 903.1 pixels at 300 ppi.
    EXPECT_EQ(storedPixels({2782, 4000}, {201, 289}), QSize(629, 904));
    EXPECT_EQ(storedPixels({300, 200}, {609, 377}), QSize(300, 200));   // never enlarged
    // On A5 the same slot is 1.47 x 2.12 inches: 442.7 x 636.5 pixels.
    EXPECT_EQ(storedPixels({2782, 4000}, {201, 289}, 148.0 / 210), QSize(443, 637));
}

// A landscape photo in three bands, red, green and blue from left to right.
QString writeBands(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const int third = size.width() / 3;
    p.fillRect(0, 0, third, size.height(), Qt::red);
    p.fillRect(third, 0, third, size.height(), Qt::green);
    p.fillRect(2 * third, 0, size.width() - 2 * third, size.height(), Qt::blue);
    p.end();
    image.save(path, "JPEG", 95);
    return path;
}

TEST(PlacePicture, KeepsOnlyTheShownPartAtMost300Ppi)
{
    QTemporaryDir dir;
    const QString file = writeBands(dir.filePath(QStringLiteral("bands.jpg")), {3000, 2000});
    const QRectF tall(72, 768, 201, 289);
    struct Case {
        FocusPoint focus;
        QColor middle;   // colour at the middle of the kept part
    };
    const Case cases[] = {{{0, 0.5}, Qt::red}, {{0.5, 0.5}, Qt::green}, {{1, 0.5}, Qt::blue}};
    for (const Case& c : cases) {
        const FittedPicture placed = placePicture(file, tall, PictureFit::Crop, c.focus);
        EXPECT_EQ(placed.target, tall);
        // 2000 pixels over 289 / 96 inches.
        EXPECT_NEAR(placed.ppi, 664.4, 0.1);
        ASSERT_FALSE(placed.image.isNull());
        EXPECT_LE(placed.image.width(), 629);
        EXPECT_LE(placed.image.height(), 904);
        EXPECT_NEAR(double(placed.image.width()) / placed.image.height(), 201.0 / 289, 0.005);
        const QColor seen = placed.image.pixelColor(placed.image.width() / 2, placed.image.height() / 2);
        EXPECT_LT(std::abs(seen.red() - c.middle.red()) + std::abs(seen.green() - c.middle.green())
                      + std::abs(seen.blue() - c.middle.blue()),
                  60)
            << c.focus.x;
    }
    const FittedPicture whole = placePicture(file, tall, PictureFit::Fit);
    EXPECT_NEAR(whole.target.height(), 201.0 * 2 / 3, 1e-6);
    EXPECT_EQ(whole.image.size(), QSize(629, 419));   // 3000 x 2000 at 300 ppi in 201 x 134
    // 300 ppi in 6 x 4 inches would take 1800 x 1200 of its pixels: the half the JPEG
    // decoder gives quickly still holds 250 ppi, and is kept.
    const FittedPicture wide = placePicture(file, QRectF(0, 0, 576, 384), PictureFit::Fit);
    EXPECT_EQ(wide.image.size(), QSize(1500, 1000));
    EXPECT_NEAR(wide.ppi, 500, 0.1);   // what the file holds, for the soft-picture note
}

TEST(PlacePicture, AFileThatIsNoPictureSaysWhichFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kaputt.jpg"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("kein Bild");
    out.close();
    try {
        placePicture(file, QRectF(0, 0, 201, 289), PictureFit::Crop);
        ADD_FAILURE() << "no error";
    } catch (const zuv::core::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("kaputt.jpg"))) << e.message().toStdString();
    }
}

} // namespace
