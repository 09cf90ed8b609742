// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Laying out and drawing the year: month pages on the month page's report, the marks the
// year adds, pictures per slot with their failures, the cover, and the PDF itself.

#include "calendarreport.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthpage.h"
#include "yearpages.h"
#include "yearrender.h"
#include "yeartesting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <QSet>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace zuv::yearcal;
using zuv::photo::CalendarReport;
using zuv::photo::PageText;
using zuv::photo::ReportPage;

YearProject bavaria2027()
{
    YearProject p;
    p.year = 2027;
    p.regionCode = QStringLiteral("BY");
    return p;
}

const Region kBayern{QStringLiteral("Bayern"), QStringLiteral("BY")};

// The photo calendar's month page for the same month, as the preview lays it out.
ReportPage monthPageReport(int year, int month, int statePosition, const QString& stateName)
{
    zuv::photo::MonthPageInput input;
    input.year = year;
    input.month = month;
    input.regionCode = zuv::core::federalStates()[static_cast<std::size_t>(statePosition)].code;
    input.regionName = stateName;
    return zuv::photo::layoutMonthPage(zuv::photo::buildMonthPage(input), CalendarReport());
}

TEST(MonthLayout, WithoutExtrasItIsTheMonthPage)
{
    for (int month : {1, 2, 5, 10, 12}) {
        const MonthPage page = buildMonthPage(bavaria2027(), kBayern, month, {});
        const ReportPage year = layoutMonthPage(page, CalendarReport(), {}, {}, {});
        const ReportPage single = monthPageReport(2027, month, 1, QStringLiteral("Bayern"));
        ASSERT_EQ(year.texts.size(), single.texts.size()) << month;
        for (std::size_t i = 0; i < year.texts.size(); ++i) {
            const PageText& a = year.texts[i];
            const PageText& b = single.texts[i];
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.row, b.row);
            EXPECT_EQ(a.rect, b.rect) << a.name.toStdString() << " row " << a.row;
            EXPECT_EQ(a.text, b.text) << a.name.toStdString() << " row " << a.row;
            EXPECT_EQ(a.color, b.color) << a.name.toStdString() << " row " << a.row;
        }
        EXPECT_EQ(year.lines, single.lines);
        EXPECT_TRUE(year.pictures.empty());
    }
    // February's month box entry keeps its trailing blank: three blanks before the year.
    const ReportPage feb = layoutMonthPage(buildMonthPage(bavaria2027(), kBayern, 2, {}),
                                           CalendarReport(), {}, {}, {});
    EXPECT_EQ(feb.find(QStringLiteral("QRLabel1"))->text, QStringLiteral("Februar   2027"));
}

TEST(MonthLayout, BirthdayAndCriticalMarksBesideTheirDays)
{
    YearProject project = bavaria2027();
    project.person = Person{QStringLiteral("Bert"), QDate(2000, 1, 1)};
    const std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)},
                                        {QStringLiteral("Carl"), QDate(1999, 3, 31)}};
    const MonthPage page = buildMonthPage(project, kBayern, 3, people);
    const ReportPage laid = layoutMonthPage(page, CalendarReport(), {}, {}, {});

    std::map<int, QString> birthdayMarks, criticalMarksByDay;
    for (const PageText& t : laid.texts) {
        if (t.name != kBirthdayMarkName && t.name != kCriticalMarkName)
            continue;
        // Each mark sits right of a day cell of its own row, top-aligned with it.
        const PageText* owner = nullptr;
        for (const PageText& c : laid.texts)
            if (c.row == t.row && c.name.startsWith(QLatin1String("QRDBText"))
                && qFuzzyCompare(c.rect.right() + 1, t.rect.left()))
                owner = &c;
        ASSERT_NE(owner, nullptr) << t.text.toStdString();
        EXPECT_GE(t.rect.top(), owner->rect.top());
        EXPECT_LT(t.rect.bottom(), owner->rect.bottom() + 14);
        // No mark reaches the next weekday's cell (88 pixels apart, 41 wide).
        EXPECT_LE(t.rect.right(), owner->rect.left() + 88);
        (t.name == kBirthdayMarkName ? birthdayMarks : criticalMarksByDay)[owner->text.toInt()] = t.text;
    }
    EXPECT_EQ(birthdayMarks, (std::map<int, QString>{{14, kBirthdayMark}, {31, kBirthdayMark}}));
    std::map<int, QString> expected;
    for (const CriticalDay& d : criticalDaysInMonth(QDate(2000, 1, 1), 2027, 3, false))
        expected[d.day] = criticalMarks(d);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(criticalMarksByDay, expected);

    // The summary: holiday line, birthdays, legend.
    const QStringList lines = laid.find(QStringLiteral("QRLabel10"))->text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], page.sheet.holidayLine);
    EXPECT_EQ(lines[1], QStringLiteral("Geburtstage: 14. Anna (40)  31. Carl (28)"));
    EXPECT_EQ(lines[2], QStringLiteral("Kritische Tage von Bert: K körperlich  E emotional  G geistig"));
}

// The marks of each day by the day number of the cell they stand beside.
std::map<int, QStringList> marksByDay(const ReportPage& laid, const QString& name)
{
    std::map<int, QStringList> out;
    for (const PageText& t : laid.texts)
        if (t.name == name)
            for (const PageText& c : laid.texts)
                if (c.row == t.row && c.name.startsWith(QLatin1String("QRDBText"))
                    && qFuzzyCompare(c.rect.right() + 1, t.rect.left()))
                    out[c.text.toInt()] << t.text;
    return out;
}

TEST(MonthLayout, MoonSecondRegionAndBridgeMarksWhenSwitchedOn)
{
    YearProject project = bavaria2027();
    project.moonPhases = true;
    project.secondRegion = QStringLiteral("W");
    project.bridgeDays = true;

    // May 2027: phases 6, 13, 20, 28 (reference file of the moon tests); bridge days 7, 28.
    const ReportPage may = layoutMonthPage(buildMonthPage(project, kBayern, 5, {}), CalendarReport(), {}, {}, {});
    EXPECT_EQ(marksByDay(may, kMoonMarkName),
              (std::map<int, QStringList>{{6, {QStringLiteral("●")}}, {13, {QStringLiteral("◐")}},
                                          {20, {QStringLiteral("○")}}, {28, {QStringLiteral("◑")}}}));
    EXPECT_EQ(marksByDay(may, kBridgeMarkName),
              (std::map<int, QStringList>{{7, {QStringLiteral("Br")}}, {28, {QStringLiteral("Br")}}}));
    const QStringList lines = may.find(QStringLiteral("QRLabel10"))->text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Mondphasen: 06. Neumond  13. Erstes Viertel")));
    EXPECT_EQ(lines[2], QStringLiteral("Brückentage: 07. 28."));

    // October: Vienna's own holiday on the 26th is outlined and tagged, not red.
    const MonthPage october = buildMonthPage(project, kBayern, 10, {});
    EXPECT_TRUE(october.sheet.holidayLine.endsWith(QStringLiteral("26. Nationalfeiertag (W)")));
    const ReportPage laid = layoutMonthPage(october, CalendarReport(), {}, {}, {});
    EXPECT_EQ(marksByDay(laid, kSecondRegionMarkName), (std::map<int, QStringList>{{26, {QStringLiteral("W")}}}));
    const PageText* cell26 = nullptr;
    for (const PageText& t : laid.texts)
        if (t.name.startsWith(QLatin1String("QRDBText")) && t.text == QStringLiteral("26"))
            cell26 = &t;
    ASSERT_NE(cell26, nullptr);
    EXPECT_EQ(cell26->color, QColor(0, 0, 0));
    const QRectF box = cell26->rect.adjusted(-2, -1, 2, 1);
    int sides = 0;
    for (const QLineF& l : laid.lines)
        sides += box.contains(l.p1()) && box.contains(l.p2()) && (l.p1().x() == box.left() || l.p1().x() == box.right()
                                                                   || l.p1().y() == box.top() || l.p1().y() == box.bottom());
    EXPECT_EQ(sides, 4);
}

TEST(MonthLayout, PictureSlotsAndChartAsOnTheMonthPage)
{
    // Slot tops and heights of the month page's two layouts.
    struct Case { int pictures; bool chart; std::vector<QString> names; QRectF first; };
    const Case cases[] = {
        {0, false, {}, {}},
        {1, false, {"QRImage1"}, QRectF(96, 640, 609, 377)},
        {1, true, {"QRImage1", "QRImage5"}, QRectF(96, 768, 609, 289)},
        {2, false, {"QRImage2", "QRImage3"}, QRectF(72, 712, 201, 289)},
        {3, true, {"QRImage2", "QRImage3", "QRImage4", "QRImage5"}, QRectF(72, 768, 201, 289)},
    };
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files << yeartest::writePhoto(dir.filePath(QStringLiteral("p%1.jpg").arg(i)), Qt::red);
    for (const Case& c : cases) {
        YearProject project = bavaria2027();
        project.pictures[4] = files.mid(0, c.pictures);
        if (c.chart)
            project.person = Person{QStringLiteral("Anna"), QDate(1987, 3, 14)};
        const MonthPage page = buildMonthPage(project, kBayern, 5, {});
        std::vector<PictureProblem> problems;
        const MonthPictures pictures = loadMonthPictures(page, CalendarReport(), problems);
        EXPECT_TRUE(problems.empty());
        const ReportPage laid = layoutMonthPage(page, CalendarReport(), {}, pictures, monthChartPicture(page));
        std::vector<QString> names;
        for (const auto& p : laid.pictures)
            names.push_back(p.name);
        EXPECT_EQ(names, c.names) << c.pictures << " " << c.chart;
        if (!laid.pictures.empty()) {
            EXPECT_EQ(laid.pictures.front().rect, c.first);
        }
        if (c.chart) {
            EXPECT_EQ(laid.pictures.back().rect, QRectF(56, 580, 681, 193));
        }
    }
}

TEST(MonthLayout, PixelsOfPictureAndChart)
{
    QTemporaryDir dir;
    YearProject project = bavaria2027();
    project.pictures[6] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("rot.jpg")), QColor(220, 0, 0))};
    project.person = Person{QStringLiteral("Anna"), QDate(1987, 3, 14)};
    const MonthPage page = buildMonthPage(project, kBayern, 7, {});
    std::vector<PictureProblem> problems;
    const ReportPage laid = layoutMonthPage(page, CalendarReport(), {},
                                            loadMonthPictures(page, CalendarReport(), problems),
                                            monthChartPicture(page));
    QImage sheet(794, 1123, QImage::Format_RGB32);   // 96 dpi
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        zuv::photo::render(painter, QRectF(0, 0, 794, 1123), laid);
    }
    const QColor inPicture = sheet.pixelColor(96 + 300, 768 + 140);
    EXPECT_GT(inPicture.red(), 180);
    EXPECT_LT(inPicture.green(), 60);
    // The chart slot carries lines of several colours, not a blank area.
    QSet<QRgb> colours;
    for (int y = 580; y < 580 + 193; y += 3)
        for (int x = 56; x < 56 + 681; x += 3)
            colours.insert(sheet.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

TEST(Pictures, ABadPictureCostsItsSlotOnly)
{
    QTemporaryDir dir;
    const QString good = yeartest::writePhoto(dir.filePath(QStringLiteral("gut.jpg")), Qt::blue);
    const QString missing = dir.filePath(QStringLiteral("fehlt.jpg"));
    const QString damaged = dir.filePath(QStringLiteral("kaputt.jpg"));
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nicht wirklich ein JPEG");
    }
    const QString truncated = dir.filePath(QStringLiteral("abgeschnitten.jpg"));
    {
        QFile f(truncated);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xff\xd8\xff\xe0 JPEG-Kopf ohne Bild");
    }
    const QString fifo = dir.filePath(QStringLiteral("fifo.jpg"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("ordner.jpg"));
    QDir(dir.path()).mkdir(QStringLiteral("ordner.jpg"));

    struct Case { QString bad; const char* reason; };
    for (const Case& c : {Case{missing, "nicht gefunden"}, Case{damaged, "kein gültiges JPEG"},
                          Case{truncated, "kann nicht geladen werden"},
                          Case{fifo, "kein normaler Datei-Typ"}, Case{folder, "kein normaler Datei-Typ"}}) {
        YearProject project = bavaria2027();
        project.pictures[2] = QStringList{good, c.bad, good};
        const MonthPage page = buildMonthPage(project, kBayern, 3, {});
        std::vector<PictureProblem> problems;
        const MonthPictures pictures = loadMonthPictures(page, CalendarReport(), problems);
        ASSERT_EQ(problems.size(), 1u) << c.bad.toStdString();
        EXPECT_EQ(problems[0].month, 3);
        EXPECT_EQ(problems[0].file, c.bad);
        EXPECT_TRUE(problems[0].message.contains(QString::fromUtf8(c.reason)))
            << problems[0].message.toStdString();
        const QString text = problemText(problems[0], 2027);
        EXPECT_TRUE(text.startsWith(QStringLiteral("März 2027: "))) << text.toStdString();
        EXPECT_TRUE(text.contains(QFileInfo(c.bad).fileName())) << text.toStdString();
        // Slots 2 and 4 keep their pictures, slot 3 stays empty.
        EXPECT_FALSE(pictures.bySlot[1].isEmpty());
        EXPECT_TRUE(pictures.bySlot[2].isEmpty());
        EXPECT_FALSE(pictures.bySlot[3].isEmpty());
    }
}

TEST(Cover, PictureKeepsItsProportions)
{
    // Expected rectangles worked out by hand: scale to the box's width or height.
    struct Case { QSizeF size; QRectF box; QRectF fitted; };
    const Case cases[] = {
        {{400, 300}, {96, 300, 609, 740}, {96, 300 + (740 - 456.75) / 2, 609, 456.75}},
        {{300, 600}, {96, 300, 609, 740}, {96 + (609 - 370) / 2.0, 300, 370, 740}},
        {{8000, 6000}, {0, 0, 100, 100}, {0, 12.5, 100, 75}},
        {{0, 10}, {0, 0, 100, 100}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitInside(c.size, c.box), c.fitted) << c.size.width() << "x" << c.size.height();

    QTemporaryDir dir;
    YearProject project = bavaria2027();
    project.pictures[0] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("jan.jpg")), Qt::green, {800, 600})};
    const YearDocument doc = buildYearDocument(project, {});
    std::vector<PictureProblem> problems;
    const ReportPage cover = layoutPage(doc, 0, CalendarReport(), problems);
    EXPECT_EQ(cover.find(QStringLiteral("Jahr"))->text, QStringLiteral("2027"));
    EXPECT_EQ(cover.find(QStringLiteral("Region"))->text, QStringLiteral("Feiertage: Bayern"));
    ASSERT_EQ(cover.pictures.size(), 1u);
    EXPECT_EQ(cover.pictures[0].rect, fitInside(QSizeF(800, 600), kCoverPictureBox));

    // A photo larger than the box is decoded smaller but keeps its 4:3.
    project.pictures[0] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("gross.jpg")), Qt::green, {4000, 3000})};
    const ReportPage big = layoutPage(buildYearDocument(project, {}), 0, CalendarReport(), problems);
    ASSERT_EQ(big.pictures.size(), 1u);
    const QSizeF decoded = big.pictures[0].picture.size();
    EXPECT_LT(decoded.width(), 4000);
    EXPECT_NEAR(decoded.width() / decoded.height(), 4.0 / 3.0, 0.01);
    EXPECT_NEAR(big.pictures[0].rect.width() / big.pictures[0].rect.height(), 4.0 / 3.0, 0.001);
    EXPECT_TRUE(problems.empty());
    // A missing cover picture is reported for the cover.
    project.pictures[0] = QStringList{dir.filePath(QStringLiteral("weg.jpg"))};
    const ReportPage none = layoutPage(buildYearDocument(project, {}), 0, CalendarReport(), problems);
    EXPECT_TRUE(none.pictures.empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].month, 0);
    EXPECT_TRUE(problemText(problems[0], 2027).startsWith(QStringLiteral("Titelseite 2027: ")));
}

// --- the PDF ---------------------------------------------------------------------------

TEST(YearPdf, ThirteenA4PagesWithTextFontsAndPictures)
{
    QTemporaryDir dir;
    YearProject project = bavaria2027();
    project.pictures[0] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("a.jpg")), Qt::red, {4000, 3000}),
                                      yeartest::writePhoto(dir.filePath(QStringLiteral("b.jpg")), Qt::blue)};
    project.pictures[3] = QStringList{dir.filePath(QStringLiteral("fehlt.jpg"))};
    const std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)}};
    const YearDocument doc = buildYearDocument(project, people);
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    std::vector<PictureProblem> problems;
    std::vector<int> progress;
    ASSERT_TRUE(writeYearPdf(pdf, doc, CalendarReport(), problems, [&](int done, int total) {
        EXPECT_EQ(total, 13);
        progress.push_back(done);
        return true;
    }));
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].month, 4);

    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    EXPECT_TRUE(yeartest::pdfInfo(pdf, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Jahreskalender 2027"));

    const QString cover = yeartest::pdfText(pdf, 1);
    EXPECT_TRUE(cover.contains(QStringLiteral("2027")));
    EXPECT_TRUE(cover.contains(QStringLiteral("Feiertage: Bayern")));
    const QString january = yeartest::pdfText(pdf, 2);
    EXPECT_TRUE(january.contains(QStringLiteral("Januar 2027"))) << january.toStdString();
    EXPECT_TRUE(january.contains(QStringLiteral("Feiertage in Bayern:"))) << january.toStdString();
    const QString march = yeartest::pdfText(pdf, 4);
    EXPECT_TRUE(march.contains(QStringLiteral("März 2027"))) << march.toStdString();
    EXPECT_TRUE(march.contains(QStringLiteral("Geburtstage: 14. Anna (40)"))) << march.toStdString();
    EXPECT_TRUE(yeartest::pdfText(pdf, 13).contains(QStringLiteral("Dezember 2027")));

    // Every font embedded.
    const QStringList fonts = yeartest::poppler(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& line : fonts)
        EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << line.toStdString();

    // Pictures at no more than 300 dpi: the 4000x3000 photo in a 201x289 slot (96 dpi)
    // is stored with at most 629x904 pixels (cover: 609x740 box, 1904x2313).
    const QStringList images = yeartest::poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    int onJanuary = 0;
    for (const QString& line : images) {
        const QStringList f = line.simplified().split(QLatin1Char(' '));
        ASSERT_GE(f.size(), 5);
        const int page = f[0].toInt(), width = f[3].toInt(), height = f[4].toInt();
        if (page == 1) {
            EXPECT_LE(width, 1904);
            EXPECT_LE(height, 2313);
        }
        if (page == 2) {
            ++onJanuary;
            EXPECT_LE(width, 629);
            EXPECT_LE(height, 904);
        }
    }
    EXPECT_EQ(onJanuary, 2);
}

TEST(YearPdf, CancelOrFailureLeavesNoHalfFile)
{
    QTemporaryDir dir;
    const YearDocument doc = buildYearDocument(bavaria2027(), {});
    const QString pdf = dir.filePath(QStringLiteral("alt.pdf"));
    {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("altes PDF");
    }
    std::vector<PictureProblem> problems;
    EXPECT_FALSE(writeYearPdf(pdf, doc, CalendarReport(), problems,
                              [](int done, int) { return done < 3; }));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("altes PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("alt.pdf")});

    for (const QString& target : {dir.filePath(QStringLiteral("fehlt/jahr.pdf")), dir.path()}) {
        try {
            writeYearPdf(target, doc, CalendarReport(), problems);
            ADD_FAILURE() << target.toStdString();
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("kann nicht geschrieben werden")))
                << e.message().toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("alt.pdf")});
}

} // namespace
