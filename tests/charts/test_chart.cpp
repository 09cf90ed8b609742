// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Painting, copies (image, picture, SVG, print) and table binding of a chart.

#include "chart.h"
#include "chart_test_models.h"

#include <QBuffer>
#include <QPicture>
#include <QSvgRenderer>

#include <memory>

using namespace charttest;

// ---------------------------------------------------------------- painting

TEST_F(ChartTest, GradientRunsFromStartToEnd)
{
    ChartModel m = monthModel(2024, 1);
    QImage image = renderImage(m, kMonthSize);
    EXPECT_TRUE(near(image.pixelColor(2, 0), QColor(0, 0, 0xFF), 8));
    EXPECT_TRUE(near(image.pixelColor(2, 286), Qt::white, 8));

    m.gradientDirection = GradientDirection::BottomTop;
    image = renderImage(m, kMonthSize);
    EXPECT_TRUE(near(image.pixelColor(2, 0), Qt::white, 8));
    EXPECT_TRUE(near(image.pixelColor(2, 286), QColor(0, 0, 0xFF), 8));

    m.gradient = false;
    image = renderImage(m, kMonthSize);
    EXPECT_EQ(image.pixelColor(2, 0), QColor(0xF2, 0xF2, 0xF2));
}

TEST_F(ChartTest, LineSeriesPixelsCarryTheirColour)
{
    ChartModel m = monthModel(2024, 1);
    for (Series& s : m.series)
        s.points.clear();
    m.series[0].points = {QPointF(m.bottom.minimum, 50), QPointF(m.bottom.maximum, 50)};
    const QImage image = renderImage(m, kMonthSize);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    const int y = static_cast<int>(std::lround(L.yToPixel(m, 50)));
    const int x = static_cast<int>(std::lround(L.xToPixel(m, m.bottom.minimum + 10.5)));
    EXPECT_EQ(image.pixelColor(x, y), QColor(0xFF, 0, 0));
    // The wall is white away from the line.
    EXPECT_EQ(image.pixelColor(x, y + 10), QColor(Qt::white));
}

TEST_F(ChartTest, BarsStandSideBySide)
{
    const ChartModel m = dayFormModel();
    const QSize size(300, 200);
    const QImage image = renderImage(m, size);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), size), m);
    const double centre = L.xToPixel(m, 0);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const Series& s = m.series[i];
        // Four 16-pixel bars centred on x: [centre - 32, centre + 32).
        const int left = static_cast<int>(std::lround(centre - 32 + 16 * i));
        const int yValue = static_cast<int>(std::lround(L.yToPixel(m, s.points[0].y())));
        const int yZero = static_cast<int>(std::lround(L.yToPixel(m, 0)));
        const int midY = (yValue + yZero) / 2;
        EXPECT_EQ(image.pixelColor(left, midY), s.color);
        EXPECT_EQ(image.pixelColor(left + 15, midY), s.color);
        // Above a positive bar (below a negative one) the wall shows.
        const int outside = s.points[0].y() > 0 ? yValue - 2 : yValue + 2;
        if (L.plot.contains(left + 8, outside)) {
            EXPECT_NE(image.pixelColor(left + 8, outside), s.color);
        }
    }
    EXPECT_NE(image.pixelColor(static_cast<int>(std::lround(centre - 34)),
                               static_cast<int>(std::lround(L.yToPixel(m, 25)))),
              m.series[0].color);
}

TEST_F(ChartTest, BarsStayInsideASmallPlot)
{
    // The day-form chart's own size leaves a plot narrower than four 16-pixel bars.
    const ChartModel m = dayFormModel();
    const QSize size(137, 89);
    const QImage image = renderImage(m, size);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), size), m);
    for (const Series& s : m.series) {
        const auto isSeries = [&](QColor c) { return c == s.color; };
        const int inPlot = countPixels(image, L.plot, isSeries);
        const int total = countPixels(image, image.rect(), isSeries);
        // Only the legend's colour box lies outside the plot.
        const QRect symbol = L.legendEntries.front().symbol;
        const int box = symbol.width() * symbol.height();
        EXPECT_GT(inPlot, 0) << s.title.toStdString();
        EXPECT_LE(total - inPlot, box) << s.title.toStdString();
    }
}

TEST_F(ChartTest, ZeroValuesDrawNoBars)
{
    ChartModel m = dayFormModel();
    for (Series& s : m.series)
        s.points = {QPointF(0, 0)};
    const QSize size(300, 200);
    const QImage image = renderImage(m, size);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), size), m);
    for (const Series& s : m.series)
        EXPECT_EQ(countPixels(image, L.plot, [&](QColor c) { return c == s.color; }), 0);
}

TEST_F(ChartTest, HooksGetThePlotAndACleanPainter)
{
    const ChartModel m = monthModel(2024, 1);
    QRect seen;
    bool clean = false;
    double dayTen = 0;
    ChartHooks hooks;
    hooks.afterDraw = [&](QPainter& p, const QRect& plot) {
        seen = plot;
        dayTen = xToPixel(plot, m, m.bottom.minimum + 9);
        clean = !p.hasClipping() && p.pen() == QPen() && p.brush().style() == Qt::NoBrush
            && p.compositionMode() == QPainter::CompositionMode_SourceOver;
        p.setPen(Qt::green);   // must not leak out of render()
    };
    QImage image(kMonthSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setPen(QPen(Qt::cyan, 3));
    const ChartLayout L = render(p, image.rect(), m, hooks);
    EXPECT_EQ(seen, L.plot);
    EXPECT_DOUBLE_EQ(dayTen, L.xToPixel(m, m.bottom.minimum + 9));
    EXPECT_TRUE(clean);
    EXPECT_EQ(p.pen(), QPen(Qt::cyan, 3));
}

TEST_F(ChartTest, XorMarkerInvertsOnTheImage)
{
    Chart chart;
    chart.resize(kMonthSize);
    chart.model() = monthModel(2024, 1);
    int column = 0;
    bool xorSeen = false;
    chart.hooks().afterDraw = [&](QPainter& p, const QRect& plot) {
        xorSeen = supportsXor(p);
        column = plot.left() + 40;
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(QColor(0xFF, 0xFF, 0), 6));
        p.drawLine(column, plot.top(), column, plot.bottom());
    };
    const QImage image = chart.toImage();
    EXPECT_TRUE(xorSeen);
    const ChartLayout L = chart.currentLayout();
    // White wall XOR yellow is blue; grid-free row a few pixels under the top.
    const QColor c = image.pixelColor(column, L.plot.top() + 3);
    EXPECT_EQ(c, QColor(0, 0, 0xFF));
    EXPECT_EQ(qAlpha(image.pixel(column, L.plot.top() + 3)), 255);

    // The widget paints through the same raster surface.
    xorSeen = false;
    const QImage shown = chart.grab().toImage();
    EXPECT_TRUE(xorSeen);
    EXPECT_EQ(shown.pixelColor(column, L.plot.top() + 3), QColor(0, 0, 0xFF));

    chart.toPicture();
    EXPECT_FALSE(xorSeen);
    chart.toSvg();
    EXPECT_FALSE(xorSeen);
}

TEST_F(ChartTest, AxisLabelHookColoursSingleLabels)
{
    ChartModel m = monthModel(2024, 1);
    m.gradient = false;
    m.panelColor = Qt::white;
    m.bottom.labelColor = Qt::black;
    int bottomCalls = 0;
    int leftCalls = 0;
    ChartHooks hooks;
    hooks.axisLabel = [&](AxisId axis, const QString& text, QColor& color) {
        (axis == AxisId::Bottom ? bottomCalls : leftCalls)++;
        if (axis == AxisId::Bottom && text.startsWith(QLatin1String("So")))
            color = Qt::red;
    };
    const QImage image = renderImage(m, kMonthSize, hooks);
    EXPECT_EQ(bottomCalls, 31);
    EXPECT_EQ(leftCalls, 5);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    // 7 Jan 2024 is a Sunday, 8 Jan a Monday.
    ASSERT_EQ(L.bottomLabels[6].text, QStringLiteral("So 07"));
    EXPECT_GT(countPixels(image, L.bottomLabels[6].rect, reddish), 5);
    EXPECT_EQ(countPixels(image, L.bottomLabels[7].rect, reddish), 0);
    EXPECT_GT(countPixels(image, L.bottomLabels[7].rect,
                          [](QColor c) { return c.lightness() < 80; }), 5);
}

// ---------------------------------------------------------------- copies

TEST_F(ChartTest, CopiesHaveTheRequestedSize)
{
    Chart chart;
    chart.resize(kMonthSize);
    chart.model() = monthModel(2024, 1);

    const QImage image = chart.toImage();
    EXPECT_EQ(image.size(), kMonthSize);
    EXPECT_EQ(chart.toImage(QSize(400, 200)).size(), QSize(400, 200));

    const QPicture picture = chart.toPicture();
    EXPECT_EQ(picture.boundingRect(), QRect(QPoint(0, 0), kMonthSize));
    QImage replay(kMonthSize, QImage::Format_RGB32);
    replay.fill(Qt::black);
    {
        QPainter p(&replay);
        p.drawPicture(0, 0, picture);
    }
    EXPECT_TRUE(near(replay.pixelColor(2, 0), QColor(0, 0, 0xFF), 8));
    EXPECT_TRUE(near(replay.pixelColor(2, 286), Qt::white, 8));

    const QByteArray svg = chart.toSvg(QSize(400, 200));
    EXPECT_TRUE(svg.contains("<svg"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 400, 200));
    QImage fromSvg(400, 200, QImage::Format_RGB32);
    fromSvg.fill(Qt::black);
    {
        QPainter p(&fromSvg);
        renderer.render(&p);
    }
    EXPECT_TRUE(near(fromSvg.pixelColor(2, 1), QColor(0, 0, 0xFF), 12));
}

TEST_F(ChartTest, PrintScalesTheScreenLayout)
{
    Chart chart;
    chart.resize(kMonthSize);
    chart.model() = monthModel(2024, 1);
    // A page twice the chart's size and taller: the chart is centred vertically.
    QImage page(1586, 800, QImage::Format_RGB32);
    page.fill(Qt::black);
    ChartLayout L;
    {
        QPainter p(&page);
        L = chart.print(p, QRectF(page.rect()));
    }
    EXPECT_EQ(L.plot, chart.currentLayout().plot);
    const int top = (800 - 2 * 287) / 2;
    EXPECT_EQ(page.pixelColor(10, top - 2), QColor(Qt::black));
    EXPECT_TRUE(near(page.pixelColor(10, top + 1), QColor(0, 0, 0xFF), 8));
    const int wallY = top + 2 * (L.plot.top() + 3);
    EXPECT_EQ(page.pixelColor(2 * L.plot.left() + 3, wallY), QColor(Qt::white));
}

// ---------------------------------------------------------------- text on other devices

namespace {

// Bounding box of the dark pixels (legend text) inside r of image, in image pixels.
QRect inkBox(const QImage& image, const QRect& r)
{
    QRect box;
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(image.pixel(x, y)) < 0x60)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The chart drawn at its screen size onto an image of dpi dots per inch, the painter scaled
// so that the whole chart fills the image as it fills a printed page.
QImage renderAtDpi(const ChartModel& m, QSize logical, int dpi, ChartLayout* layout)
{
    const double scale = dpi / 96.0;
    QImage image((QSizeF(logical) * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    *layout = render(p, QRect(QPoint(0, 0), logical), m);
    return image;
}

} // namespace

// Printers and PDF have another resolution than the screen the chart is laid out for: the
// legend's text (8 pt as on the biorhythm page) and pixel-sized texts keep the size they
// have relative to the chart. Before, a point size was taken at the device's resolution
// and the legend came out several times too large.
TEST_F(ChartTest, TextKeepsItsSizeRelativeToTheChartOnAnyResolution)
{
    ChartModel m = monthModel(2024, 1);
    m.legend.font = QFont(QStringLiteral("Arial"));
    m.legend.font.setPointSize(8);
    const QSize logical = kMonthSize;
    ChartLayout screenLayout;
    const QImage screen = renderAtDpi(m, logical, 96, &screenLayout);
    const LegendEntry& entry = screenLayout.legendEntries.at(0);
    const QRect screenInk = inkBox(screen, entry.text.adjusted(0, 0, 6, 0));
    ASSERT_GT(screenInk.height(), 4);
    ASSERT_GT(screenInk.width(), 20);

    // Source of the expected values: the 96-dpi rendering above, scaled by dpi / 96; one
    // logical pixel of tolerance for hinting and rounding at the other size.
    for (int dpi : {120, 150, 300}) {
        ChartLayout layout;
        const QImage image = renderAtDpi(m, logical, dpi, &layout);
        const double s = dpi / 96.0;
        EXPECT_EQ(layout.legendEntries.at(0).text, entry.text) << dpi;
        // The entry's text box, without the legend's black frame and the next colour box.
        const QRect search(QPoint(int(entry.text.left() * s), int(entry.text.top() * s)),
                           QPoint(int((entry.text.right() + 6) * s), int((entry.text.bottom() + 1) * s) - 1));
        const QRect ink = inkBox(image, search);
        EXPECT_NEAR(ink.width() / s, screenInk.width(), 1.5) << dpi << " dpi";
        EXPECT_NEAR(ink.height() / s, screenInk.height(), 1.5) << dpi << " dpi";
        EXPECT_NEAR(ink.left() / s, screenInk.left(), 1.5) << dpi << " dpi";
    }
}

// ---------------------------------------------------------------- content scale

// A chart twice its design size with content scale 2 is the design drawing twice as large:
// the same layout in logical pixels, every text and line twice as thick, copies alike.
TEST_F(ChartTest, ContentScaleDrawsTheDesignLayoutLarger)
{
    Chart design;
    design.resize(kMonthSize);
    design.model() = monthModel(2024, 1);
    Chart doubled;
    doubled.resize(kMonthSize * 2);
    doubled.model() = design.model();
    doubled.setContentScale(2.0);

    EXPECT_EQ(doubled.logicalSize(), kMonthSize);
    EXPECT_EQ(doubled.currentLayout().plot, design.currentLayout().plot);
    const QImage small = design.toImage();
    const QImage large = doubled.toImage();
    ASSERT_EQ(large.size(), kMonthSize * 2);
    // Dark title and label pixels: four times as many in the doubled drawing, give or take
    // the edges of the glyphs.
    const auto dark = [](QColor c) { return c.lightness() < 60; };
    const QRect title = design.currentLayout().titleRect;
    const int smallInk = countPixels(small, title, dark);
    const int largeInk = countPixels(large, QRect(title.topLeft() * 2, title.size() * 2), dark);
    ASSERT_GT(smallInk, 50);
    EXPECT_NEAR(double(largeInk) / smallInk, 4.0, 0.8);
    // The same picture: the centre of the plot area and its corner sit at twice the place.
    const QRect plot = design.currentLayout().plot;
    for (const QPoint p : {plot.center(), plot.topLeft() + QPoint(3, 3), QPoint(2, 0)})
        EXPECT_TRUE(near(large.pixelColor(p * 2), small.pixelColor(p), 24)) << p.x() << "," << p.y();

    // Printing lays the chart out at its logical size, as on screen.
    QImage page(1586, 574, QImage::Format_RGB32);
    page.fill(Qt::black);
    QPainter painter(&page);
    EXPECT_EQ(doubled.print(painter, QRectF(page.rect())).plot, design.currentLayout().plot);
}
