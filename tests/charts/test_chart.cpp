#include "chart.h"
#include "chartrender.h"
#include "germandate.h"
#include "table.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace zuv::charts;
using zuv::core::toDateValue;

namespace {

class ChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_charts";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

QFont arial(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The month chart's settings: four line series over the days of a month, -100..100.
ChartModel monthModel(int year, int month)
{
    ChartModel m;
    m.title = {QStringLiteral("Biorhythmus Januar 2024")};
    m.titleFont = arial(13, true);
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.labelSeparationPercent = 50;
    m.left.title = QStringLiteral("Leistungsfähigkeit in %");
    m.left.titleFont = arial(11);
    m.left.positionPercent = -1;
    const QDate first(year, month, 1);
    m.bottom.minimum = toDateValue(first);
    m.bottom.maximum = toDateValue(QDate(year, month, first.daysInMonth()));
    m.bottom.increment = 1;
    m.bottom.dateTimeLabels = true;
    m.bottom.dateFormat = QStringLiteral("ddd dd");
    m.bottom.labelAngle = 90;
    m.bottom.labelFont = arial(12);
    m.bottom.labelColor = Qt::white;
    m.bottom.tickLength = 2;
    m.bottom.gridStyle = Qt::SolidLine;
    m.bottom.gridColor = QColor(0x40, 0x00, 0x40);
    m.bottom.positionPercent = -4;
    m.bottom.title = QStringLiteral("Geburtsdatum 01.01.2000");
    m.bottom.titleFont = arial(11);
    m.bottom.titleColor = Qt::white;
    const struct { const char* title; QColor color; Qt::PenStyle style; } lines[] = {
        {"Körperlich", QColor(0xFF, 0, 0), Qt::SolidLine},
        {"Emotional", QColor(0, 0, 0xFF), Qt::SolidLine},
        {"Geistig", QColor(0, 0x80, 0x80), Qt::DotLine},
        {"Intuitiv", QColor(0x40, 0, 0x40), Qt::DashDotLine},
    };
    for (const auto& l : lines) {
        Series s;
        s.title = QString::fromUtf8(l.title);
        s.color = l.color;
        s.lineStyle = l.style;
        m.series.push_back(s);
    }
    return m;
}

// The day-form chart: four bar series of one row, legend with last values at the right.
ChartModel dayFormModel()
{
    ChartModel m;
    m.panelColor = QColor(0xC0, 0xC0, 0xC0);
    m.gradientStart = QColor(0xFF, 0xFF, 0x80);
    m.marginRight = 5;
    m.left.minimum = -100;
    m.left.maximum = 100;
    m.left.labelFont = arial(9);
    m.bottom.showLabels = false;
    m.bottom.increment = 1;
    m.legend.alignment = LegendAlignment::Right;
    m.legend.topPosition = 25;
    m.legend.showLastValue = true;
    m.legend.symbolWidthPercent = 25;
    const struct { const char* title; QColor color; double value; } bars[] = {
        {"Körper", QColor(0xFF, 0, 0), 50},
        {"Seele", QColor(0, 0, 0xFF), -50},
        {"Geist", QColor(0, 0x80, 0), 100},
        {"Intuition", QColor(0x40, 0, 0x40), 27},
    };
    for (const auto& b : bars) {
        Series s;
        s.title = QString::fromUtf8(b.title);
        s.kind = SeriesKind::Bar;
        s.color = b.color;
        s.barWidthPixels = 16;
        s.points = {QPointF(0, b.value)};
        m.series.push_back(s);
    }
    return m;
}

QImage renderImage(const ChartModel& m, QSize size, const ChartHooks& hooks = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    render(p, QRect(QPoint(0, 0), size), m, hooks);
    return image;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

int countPixels(const QImage& image, const QRect& r, const std::function<bool(QColor)>& pred)
{
    int n = 0;
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            n += pred(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool reddish(QColor c)
{
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}

const QSize kMonthSize(793, 287);

} // namespace

// ---------------------------------------------------------------- layout

TEST_F(ChartTest, PixelMappingHitsThePlotEdges)
{
    const ChartModel m = monthModel(2024, 1);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    ASSERT_FALSE(L.plot.isEmpty());
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.minimum), L.plot.left());
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.maximum), L.plot.right());
    EXPECT_DOUBLE_EQ(L.yToPixel(m, 100), L.plot.top());
    EXPECT_DOUBLE_EQ(L.yToPixel(m, -100), L.plot.bottom());
    // The after-draw zero line sits at (top + bottom) / 2 of the plot.
    EXPECT_DOUBLE_EQ(L.yToPixel(m, 0), (L.plot.top() + L.plot.bottom()) / 2.0);
    // Days are evenly spaced: day 16 is halfway between day 1 and day 31.
    EXPECT_DOUBLE_EQ(L.xToPixel(m, m.bottom.minimum + 15),
                     (L.plot.left() + L.plot.right()) / 2.0);
}

TEST_F(ChartTest, LayoutStaysInsideTheTargetAndFollowsIt)
{
    const ChartModel m = monthModel(2024, 1);
    const QRect at0(QPoint(0, 0), kMonthSize);
    const ChartLayout L = layoutChart(at0, m);
    EXPECT_TRUE(at0.contains(L.plot));
    EXPECT_TRUE(at0.contains(L.titleRect));
    EXPECT_TRUE(at0.contains(L.legend));
    EXPECT_TRUE(at0.contains(L.bottomTitleRect));
    EXPECT_TRUE(at0.contains(L.leftTitleRect));
    // Title on top, the legend under it, then the plot.
    EXPECT_LT(L.titleRect.bottom(), L.legend.top());
    EXPECT_LT(L.legend.bottom(), L.plot.top());
    EXPECT_LT(L.leftTitleRect.right(), L.plot.left());
    EXPECT_GT(L.bottomTitleRect.top(), L.plot.bottom());
    // Axes shifted outward by 1 % of the width and 4 % of the height (8 and 11 pixels).
    EXPECT_EQ(L.leftAxisX, L.plot.left() - 1 - 8);
    EXPECT_EQ(L.bottomAxisY, L.plot.bottom() + 1 + 11);
    // The title and the legend are centred (to a pixel of rounding).
    EXPECT_NEAR(L.titleRect.center().x(), at0.center().x(), 1);
    EXPECT_NEAR(L.legend.center().x(), at0.center().x(), 1);

    // Moving the target moves every part by the same amount.
    const ChartLayout moved = layoutChart(at0.translated(10, 20), m);
    EXPECT_EQ(moved.plot, L.plot.translated(10, 20));
    EXPECT_EQ(moved.legend, L.legend.translated(10, 20));
    ASSERT_EQ(moved.bottomLabels.size(), L.bottomLabels.size());
    EXPECT_EQ(moved.bottomLabels.back().rect, L.bottomLabels.back().rect.translated(10, 20));
}

TEST_F(ChartTest, OneTurnedLabelPerDay)
{
    // Day counts from the calendar; 1 Jan 2024 is a Monday, 1 Feb 2023 a Wednesday.
    const struct { int year, month; size_t days; const char* first; const char* last; } cases[] = {
        {2024, 1, 31, "Mo 01", "Mi 31"},
        {2024, 2, 29, "Do 01", "Do 29"},
        {2023, 2, 28, "Mi 01", "Di 28"},
        {2024, 4, 30, "Mo 01", "Di 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1-%2").arg(c.year).arg(c.month).toStdString());
        const ChartModel m = monthModel(c.year, c.month);
        const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
        ASSERT_EQ(L.bottomLabels.size(), c.days);
        EXPECT_EQ(L.bottomLabels.front().text, QString::fromUtf8(c.first));
        EXPECT_EQ(L.bottomLabels.back().text, QString::fromUtf8(c.last));
        for (size_t i = 0; i < L.bottomLabels.size(); ++i) {
            const AxisLabel& a = L.bottomLabels[i];
            EXPECT_DOUBLE_EQ(a.value, m.bottom.minimum + static_cast<double>(i));
            // Turned: taller than wide, centred on its day, below the axis.
            EXPECT_GT(a.rect.height(), a.rect.width());
            EXPECT_NEAR(QRectF(a.rect).center().x(), L.xToPixel(m, a.value), 1.0);
            EXPECT_GT(a.rect.top(), L.bottomAxisY);
            EXPECT_LT(a.rect.bottom(), L.bottomTitleRect.top());
            if (i > 0) {
                EXPECT_FALSE(a.rect.intersects(L.bottomLabels[i - 1].rect));
            }
        }
    }
}

TEST_F(ChartTest, LeftLabelsKeepTheirSeparation)
{
    // Rule: the smallest step of 1, 2 or 5 times a power of ten whose labels stand at least
    // their height plus the 50 % separation apart; the first label at the minimum.
    const double steps[] = {1, 2, 5, 10, 20, 50, 100, 200};
    for (int height : {287, 450, 600, 900}) {
        SCOPED_TRACE(height);
        const ChartModel m = monthModel(2024, 1);
        const ChartLayout L = layoutChart(QRect(0, 0, 793, height), m);
        ASSERT_GE(L.leftLabels.size(), 2u);
        EXPECT_DOUBLE_EQ(L.leftLabels.front().value, -100);
        EXPECT_DOUBLE_EQ(L.leftLabels.back().value, 100);
        const double step = L.leftLabels[1].value - L.leftLabels[0].value;
        const double needed = L.leftLabels[0].rect.height() * 1.5;
        const auto spacing = [&](double s) { return L.yToPixel(m, 0) - L.yToPixel(m, s); };
        EXPECT_GE(spacing(step), needed);
        const auto it = std::find(std::begin(steps), std::end(steps), step);
        ASSERT_NE(it, std::end(steps));
        if (it != std::begin(steps)) {
            EXPECT_LT(spacing(*(it - 1)), needed);
        }
        for (const AxisLabel& a : L.leftLabels) {
            EXPECT_LT(a.rect.right(), L.leftAxisX);
            EXPECT_NEAR(QRectF(a.rect).center().y(), L.yToPixel(m, a.value), 1.0);
        }
    }
    // The month chart itself: -100, -50, 0, 50, 100.
    const ChartModel m = monthModel(2024, 1);
    const ChartLayout L = layoutChart(QRect(QPoint(0, 0), kMonthSize), m);
    QStringList texts;
    for (const AxisLabel& a : L.leftLabels)
        texts << a.text;
    EXPECT_EQ(texts, QStringList({"-100", "-50", "0", "50", "100"}));
}

TEST_F(ChartTest, FirstLabelRounding)
{
    ChartModel m;
    m.left.minimum = -95;
    m.left.maximum = 100;
    m.left.increment = 50;
    const QRect target(0, 0, 300, 300);
    EXPECT_DOUBLE_EQ(layoutChart(target, m).leftLabels.front().value, -95);
    m.left.roundFirstLabel = true;
    EXPECT_DOUBLE_EQ(layoutChart(target, m).leftLabels.front().value, -50);
}

TEST_F(ChartTest, EmptyRangeMapsToTheCentre)
{
    const ChartModel m = dayFormModel();   // bottom axis without bounds
    const ChartLayout L = layoutChart(QRect(0, 0, 137, 89), m);
    EXPECT_DOUBLE_EQ(L.xToPixel(m, 0), (L.plot.left() + L.plot.right()) / 2.0);
    EXPECT_DOUBLE_EQ(L.xToPixel(m, 42), (L.plot.left() + L.plot.right()) / 2.0);
    EXPECT_TRUE(L.bottomLabels.empty());
}

TEST_F(ChartTest, RightLegendWithLastValues)
{
    const ChartModel m = dayFormModel();
    const QRect target(0, 0, 137, 89);
    const ChartLayout L = layoutChart(target, m);
    ASSERT_EQ(L.legendEntries.size(), 4u);
    EXPECT_EQ(L.legend.top(), 25);
    EXPECT_LE(L.legend.right(), target.right() - 137 * 5 / 100);
    EXPECT_LT(L.plot.right(), L.legend.left());
    const char* values[] = {"50", "-50", "100", "27"};
    for (size_t i = 0; i < 4; ++i) {
        const LegendEntry& e = L.legendEntries[i];
        EXPECT_EQ(e.value, QString::fromLatin1(values[i]));
        EXPECT_TRUE(L.legend.contains(e.symbol));
        EXPECT_TRUE(L.legend.contains(e.text));
        EXPECT_LT(e.symbol.right(), e.text.left());
        if (i > 0) {
            EXPECT_EQ(e.text.top(), L.legendEntries[i - 1].text.bottom() + 1);
        }
    }
    // 25 % colour boxes are a quarter as wide as the default 100 %.
    ChartModel wide = m;
    wide.legend.symbolWidthPercent = 100;
    const ChartLayout W = layoutChart(target, wide);
    EXPECT_NEAR(W.legendEntries[0].symbol.width(), 4 * L.legendEntries[0].symbol.width(), 4);
}

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
    ChartHooks hooks;
    hooks.afterDraw = [&](QPainter& p, const QRect& plot) {
        seen = plot;
        clean = !p.hasClipping() && p.pen() == QPen() && p.brush().style() == Qt::NoBrush
            && p.compositionMode() == QPainter::CompositionMode_SourceOver;
        p.setPen(Qt::green);   // must not leak out of render()
    };
    QImage image(kMonthSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setPen(QPen(Qt::cyan, 3));
    const ChartLayout L = render(p, image.rect(), m, hooks);
    EXPECT_EQ(seen, L.plot);
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

// ---------------------------------------------------------------- table binding

namespace {

std::unique_ptr<zuv::core::Table> dayTable()
{
    using zuv::core::FieldType;
    auto t = std::make_unique<zuv::core::Table>(QStringLiteral("CLDSBio"));
    t->addFieldDef(QStringLiteral("Tag"), FieldType::Date);
    t->addFieldDef(QStringLiteral("Sns"), FieldType::Float);
    t->addFieldDef(QStringLiteral("Sns1"), FieldType::Float);
    t->createDataSet();
    return t;
}

void appendRow(zuv::core::Table& t, const QVariant& day, double sns, double sns1)
{
    t.append();
    if (!day.isNull())
        t.setValue(QStringLiteral("Tag"), day);
    t.setValue(QStringLiteral("Sns"), sns);
    t.setValue(QStringLiteral("Sns1"), sns1);
    t.post();
}

void bindSeries(Chart& chart)
{
    chart.model() = monthModel(2024, 1);
    chart.model().series.resize(2);
    chart.model().series[0].xField = QStringLiteral("Tag");
    chart.model().series[0].yField = QStringLiteral("Sns");
    chart.model().series[1].xField = QStringLiteral("Tag");
    chart.model().series[1].yField = QStringLiteral("Sns1");
}

} // namespace

TEST_F(ChartTest, BoundTableIsReReadOnEveryChange)
{
    auto table = dayTable();
    int previousCalls = 0;
    table->onDataChanged = [&] { ++previousCalls; };
    Chart chart;
    bindSeries(chart);
    chart.bindTable(table.get());
    EXPECT_TRUE(chart.model().series[0].points.empty());

    appendRow(*table, QDate(2024, 1, 3), 10, -10);
    appendRow(*table, QDate(2024, 1, 1), 30, -30);
    EXPECT_EQ(previousCalls, 2);   // the earlier listener still runs
    const auto& p0 = chart.model().series[0].points;
    ASSERT_EQ(p0.size(), 2u);
    // Sorted by date value.
    EXPECT_EQ(p0[0], QPointF(toDateValue(QDate(2024, 1, 1)), 30));
    EXPECT_EQ(p0[1], QPointF(toDateValue(QDate(2024, 1, 3)), 10));
    EXPECT_EQ(chart.model().series[1].points[0].y(), -30);

    table->emptyTable();
    EXPECT_TRUE(chart.model().series[0].points.empty());

    // Unbinding gives the table its listener back and leaves the chart alone.
    chart.bindTable(nullptr);
    appendRow(*table, QDate(2024, 1, 5), 50, 50);
    EXPECT_EQ(previousCalls, 4);
    EXPECT_TRUE(chart.model().series[0].points.empty());
}

TEST_F(ChartTest, EmptyXCellPlacesThePointAtItsRow)
{
    auto table = dayTable();
    Chart chart;
    bindSeries(chart);
    chart.bindTable(table.get());
    appendRow(*table, QVariant(), 27, -3);
    ASSERT_EQ(chart.model().series[0].points.size(), 1u);
    EXPECT_EQ(chart.model().series[0].points[0], QPointF(0, 27));
    // An unknown y field gives no points rather than zeros.
    chart.model().series[1].yField = QStringLiteral("Sns9");
    chart.refreshFromTable();
    EXPECT_TRUE(chart.model().series[1].points.empty());
}

TEST_F(ChartTest, TableOutlivingTheChartStaysSafe)
{
    auto table = dayTable();
    int previousCalls = 0;
    table->onDataChanged = [&] { ++previousCalls; };
    {
        Chart first;
        Chart second;
        bindSeries(first);
        bindSeries(second);
        first.bindTable(table.get());
        second.bindTable(table.get());   // chains onto the first chart's listener
        appendRow(*table, QDate(2024, 1, 2), 1, 2);
        EXPECT_EQ(first.model().series[0].points.size(), 1u);
        EXPECT_EQ(second.model().series[0].points.size(), 1u);
    }
    appendRow(*table, QDate(2024, 1, 3), 1, 2);
    EXPECT_EQ(previousCalls, 2);
}
