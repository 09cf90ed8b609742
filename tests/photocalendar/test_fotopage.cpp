// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The "Foto Kalender" page: first values, picture buttons, font actions, the preview
// action with its checks, layouts and clean-up, and pictures that cannot be loaded.

#include "calendarreport.h"
#include "chart.h"
#include "photofixture.h"
#include "picturefiles.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QToolBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using zuv::photo::CalendarReport;
using zuv::photo::ReportPage;

class FotoPageTest : public PhotoFixture {
protected:
    void activate()
    {
        page->show();
        QApplication::setActiveWindow(page.get());
        page->activateWindow();
        QApplication::processEvents();
    }
    // Chooses the pictures as the buttons would, the dialog answering with each file.
    void choosePictures(const QStringList& files)
    {
        const char* buttons[] = {"Button1", "Button2", "Button3"};
        for (int i = 0; i < files.size(); ++i) {
            if (files[i].isEmpty())
                continue;
            answerFile(files[i]);
            child<QPushButton>(buttons[i])->click();
        }
        dialogs.answer = {};
        dialogs.execs.clear();
    }
    void answerFile(const QString& file)
    {
        dialogs.answer = [file](QDialog& d) {
            auto* fd = qobject_cast<QFileDialog*>(&d);
            if (!fd)
                return int(QDialog::Rejected);
            fd->selectFile(file);
            return int(QDialog::Accepted);
        };
    }
    // Runs the preview; the seam records the page, the grid and the slots while it is open.
    void preview()
    {
        previewRows = -1;
        dialogs.answer = [this](QDialog& d) {
            if (qobject_cast<QPrintPreviewDialog*>(&d)) {
                previewRows = grid.rowCount();
                shownPage = report->lastPage();
                chartSlot = {};
                for (const auto& p : report->monthPage().pictures)
                    if (p.slot == zuv::photo::kChartSlot)
                        chartSlot = p.rect.toRect();
            }
            return int(QDialog::Accepted);
        };
        page->Button5Click();
        // Chosen pictures load on a worker; the preview opens when they are ready.
        while (page->isBuilding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialogs.answer = {};
    }
    QString jpeg(const QString& name, QSize size, QColor colour) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, "JPEG"));
        return file;
    }
    std::vector<QString> pictureNames() const
    {
        std::vector<QString> names;
        for (const auto& p : shownPage.pictures)
            names.push_back(p.name);
        return names;
    }
    const zuv::photo::PagePicture* shown(const char* name) const
    {
        for (const auto& p : shownPage.pictures)
            if (p.name == QLatin1String(name))
                return &p;
        return nullptr;
    }
    bool slotsEmpty() const { return report->monthPage().pictures.empty(); }

    int previewRows = -1;
    ReportPage shownPage;
    QRect chartSlot;
};

TEST_F(FotoPageTest, StartsWithCurrentMonthYearAndFirstState)
{
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Januar"));
    EXPECT_EQ(child<QComboBox>("ComboBox1")->count(), 12);
    EXPECT_EQ(child<QLineEdit>("LabeledEdit2")->text(), QStringLiteral("2010"));
    auto* states = child<QComboBox>("ComboBox2");
    EXPECT_EQ(states->count(), 26);   // the 16 states, Austria and its nine states
    EXPECT_EQ(states->currentIndex(), 0);
    EXPECT_EQ(states->currentText(), QStringLiteral("Baden-Württemberg"));
    EXPECT_FALSE(child<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_TRUE(child<QLabel>("Bild1")->text().isEmpty());
    EXPECT_EQ(child<QPushButton>("Button5")->geometry(), QRect(72, 392, 75, 25));
    EXPECT_EQ(child<QLabel>("Image1")->geometry(), QRect(464, 40, 305, 401));
    page->show();
    EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(page->PopupMenu1()->actions().size(), 5);
}

TEST_F(FotoPageTest, PictureButtonsToggleAndRememberTheDialogFile)
{
    auto* bild1 = child<QLabel>("Bild1");
    auto* bild2 = child<QLabel>("Bild2");
    // First cancel: nothing ever confirmed, the label stays empty.
    page->Button1Click();
    EXPECT_EQ(dialogs.execs, QStringList{QStringLiteral("QFileDialog")});
    EXPECT_TRUE(bild1->text().isEmpty());

    const QString file = jpeg(QStringLiteral("a.jpg"), {10, 10}, Qt::red);
    answerFile(file);
    page->Button1Click();
    EXPECT_EQ(bild1->text(), file);
    // A label with a path is cleared without a dialog.
    dialogs.execs.clear();
    page->Button1Click();
    EXPECT_TRUE(bild1->text().isEmpty());
    EXPECT_TRUE(dialogs.execs.isEmpty());
    // Cancelling elsewhere gives the file last confirmed by any button.
    dialogs.answer = {};
    page->Button2Click();
    EXPECT_EQ(bild2->text(), file);
    EXPECT_EQ(dialogs.execs.size(), 1);
}

TEST_F(FotoPageTest, BirthDateFieldFollowsTheCheckBox)
{
    auto* box = child<QCheckBox>("CheckBox3");
    auto* field = child<QLineEdit>("MaskEdit2");
    field->setText(QStringLiteral("24.12.1960"));
    box->setChecked(true);
    page->CheckBox3Click();
    EXPECT_FALSE(field->isHidden());
    EXPECT_FALSE(child<QLabel>("Label5")->isHidden());
    box->setChecked(false);
    page->CheckBox3Click();
    EXPECT_TRUE(field->isHidden());
    EXPECT_TRUE(child<QLabel>("Label5")->isHidden());
    EXPECT_EQ(field->text(), QStringLiteral("24.12.1960"));
}

// A family the font dialog offers here (fonts-dejavu-core); the dialog holds only
// installed families.
const QString kFamily = QStringLiteral("DejaVu Serif");

QFont courier(int points, bool italic)
{
    QFont f(kFamily);
    f.setPointSize(points);
    f.setItalic(italic);
    return f;
}

bool sameFont(const QFont& a, const QFont& b)
{
    return a.family() == b.family() && a.pointSize() == b.pointSize() && a.italic() == b.italic()
        && a.bold() == b.bold();
}

TEST_F(FotoPageTest, TitleFontCancelReturnsToTheBandFont)
{
    CalendarReport& r = report->QRBildkalender;
    dialogs.answer = [](QDialog& d) {
        qobject_cast<QFontDialog*>(&d)->setCurrentFont(courier(30, true));
        return int(QDialog::Accepted);
    };
    page->SchriftartTitel1Click();
    EXPECT_EQ(r.text(QStringLiteral("QRLabel1")).font.family(), kFamily);
    EXPECT_EQ(r.text(QStringLiteral("QRLabel1")).font.pointSize(), 30);
    EXPECT_EQ(r.text(QStringLiteral("QRLabel1")).color, QColor(0, 0, 0));
    dialogs.answer = [](QDialog& d) {
        qobject_cast<QFontDialog*>(&d)->setCurrentFont(courier(12, false));
        return int(QDialog::Rejected);
    };
    page->SchriftartTitel1Click();
    EXPECT_EQ(r.text(QStringLiteral("QRLabel1")).font, zuv::photo::titleBandFont());
    EXPECT_EQ(r.text(QStringLiteral("QRLabel1")).color, QColor(0xFF, 0, 0));
    // The cancelled choice did not replace the dialog's confirmed font.
    EXPECT_TRUE(sameFont(page->fontDialogFont(), courier(30, true)));
}

TEST_F(FotoPageTest, WeekdayAndDayFontsApplyEvenAfterCancel)
{
    CalendarReport& r = report->QRBildkalender;
    dialogs.answer = [](QDialog& d) {
        qobject_cast<QFontDialog*>(&d)->setCurrentFont(courier(14, true));
        return int(QDialog::Accepted);
    };
    page->SchriftartTitel1Click();   // confirms Courier New 14 italic in the dialog
    dialogs.answer = {};             // every later dialog is cancelled

    page->SchriftartWochentage1Click();
    for (int w = 1; w <= 7; ++w)
        EXPECT_TRUE(sameFont(r.heading(w).font, courier(14, true))) << w;
    EXPECT_EQ(r.heading(1).color, QColor(0, 0, 0));
    EXPECT_EQ(r.heading(6).color, QColor(0, 0, 0xFF));
    EXPECT_EQ(r.heading(7).color, QColor(0xFF, 0, 0));

    page->SchriftartTageszahlen1Click();
    for (int w = 1; w <= 7; ++w) {
        EXPECT_EQ(r.dayCell(w).font.family(), kFamily) << w;
        EXPECT_EQ(r.dayCell(w).font.pointSize(), 14) << w;
        EXPECT_TRUE(r.dayCell(w).font.italic()) << w;
    }
    EXPECT_EQ(r.dayCell(6).color, QColor(0, 0, 0xFF));
    EXPECT_EQ(r.dayCell(7).color, QColor(0xFF, 0, 0));
    // "KW" and the week numbers never change.
    EXPECT_EQ(r.text(QStringLiteral("QRLabel9")).font.pointSize(), 9);
    EXPECT_EQ(r.text(QStringLiteral("QRDBText1")).font.pointSize(), 9);
}

TEST_F(FotoPageTest, StandardRestoresTheStartFonts)
{
    const CalendarReport start;
    dialogs.answer = [](QDialog& d) {
        qobject_cast<QFontDialog*>(&d)->setCurrentFont(courier(11, true));
        return int(QDialog::Accepted);
    };
    page->SchriftartTitel1Click();
    page->SchriftartWochentage1Click();
    page->SchriftartTageszahlen1Click();
    page->Standard1Click();
    CalendarReport& r = report->QRBildkalender;
    for (const char* name : {"QRLabel1", "QRLabel2", "QRLabel5", "QRLabel7", "QRLabel8", "QRDBText2",
                             "QRDBText6", "QRDBText7", "QRDBText8"}) {
        const QString n = QString::fromLatin1(name);
        EXPECT_EQ(r.text(n).font, const_cast<CalendarReport&>(start).text(n).font) << name;
        EXPECT_EQ(r.text(n).color, const_cast<CalendarReport&>(start).text(n).color) << name;
    }
}

TEST_F(FotoPageTest, PictureSizeMessageIsExact)
{
    page->Bildabessungen1Click();
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_EQ(dialogs.infos[0],
              QStringLiteral("Bild - Abmessungen:\r\n1 x 377 hoch,  609 breit oder\r\n"
                             "1 x 297 hoch,  609 breit oder\r\n3 x 297 hoch,  201 breit\r\n"
                             "Bei anderen Abmessungen werden die Bilder\r\n"
                             "entweder vergrössert, oder verkleinert."));
}

// "Vorschau" never does nothing: with "Mit Zuvododerod" a missing or impossible birth date
// is named and the focus goes to the field.
TEST_F(FotoPageTest, MissingOrInvalidBirthDateIsSaidWithFocusOnTheField)
{
    activate();
    child<QCheckBox>("CheckBox3")->click();
    auto* field = child<QLineEdit>("MaskEdit2");
    const struct {
        const char* typed;
        const char* said;
    } cases[] = {{"", "fehlt das Geburtsdatum"}, {"31.02.1960", "„31.02.1960“ ist kein gültiges Geburtsdatum"}};
    for (const auto& c : cases) {
        dialogs.infos.clear();
        field->setText(QString::fromUtf8(c.typed));
        child<QComboBox>("ComboBox2")->setFocus();
        preview();
        ASSERT_EQ(dialogs.infos.size(), 1) << c.typed;
        EXPECT_TRUE(dialogs.infos.front().contains(QString::fromUtf8(c.said))) << dialogs.infos.front().toStdString();
        EXPECT_TRUE(dialogs.execs.isEmpty());
        EXPECT_EQ(grid.rowCount(), 0);
        EXPECT_EQ(QApplication::focusWidget(), field) << c.typed;
    }
}

TEST_F(FotoPageTest, BirthDateIsNotReadWithoutTheTick)
{
    child<QLineEdit>("MaskEdit2")->setText(QStringLiteral("31.02.1960"));
    preview();
    EXPECT_EQ(previewRows, 5);
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST_F(FotoPageTest, BoxTextsThatAreNoEntryAreRefused)
{
    struct Case { const char* box; const char* text; const char* message; };
    const Case cases[] = {
        {"ComboBox2", "", "Wählen Sie ein Bundesland aus."},
        {"ComboBox2", "Bayernland", "\"Bayernland\" ist kein Bundesland der Liste. Wählen Sie ein Bundesland aus."},
        {"ComboBox1", "Feb", "\"Feb\" ist kein Monat der Liste. Wählen Sie einen Monat aus."},
    };
    activate();
    for (const Case& c : cases) {
        page->initialise(kToday);
        dialogs.infos.clear();
        auto* box = child<QComboBox>(c.box);
        box->setEditText(QString::fromUtf8(c.text));
        preview();
        EXPECT_EQ(dialogs.infos, QStringList{QString::fromUtf8(c.message)}) << c.box << c.text;
        EXPECT_EQ(previewRows, -1) << "no preview";
        EXPECT_EQ(grid.rowCount(), 0);
        EXPECT_EQ(QApplication::focusWidget(), box) << c.box;
    }
}

TEST_F(FotoPageTest, PreviewShowsTheGridAndEmptiesItAfterwards)
{
    child<QComboBox>("ComboBox2")->setCurrentIndex(4);   // Berlin
    preview();
    EXPECT_EQ(previewRows, 5);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(page->HolidayLine(), QStringLiteral("Feiertage in Berlin:   01. Neujahr "));
    const auto* summary = shownPage.find(QStringLiteral("QRLabel10"));
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->text.startsWith(QStringLiteral("Feiertage in Berlin:   01. Neujahr ")));
    EXPECT_EQ(shownPage.find(QStringLiteral("QRLabel1"))->text, QStringLiteral("Januar  2010"));
    EXPECT_EQ(shownPage.find(QStringLiteral("QRDBText6"), 0)->color, QColor(0xFF, 0, 0));
    EXPECT_EQ(shownPage.find(QStringLiteral("QRDBText7"), 0)->color, QColor(0, 0, 0xFF));
    EXPECT_TRUE(pictureNames().empty());
    // Typed state text, a lower-case entry, is accepted and shown as typed.
    child<QComboBox>("ComboBox2")->setEditText(QStringLiteral("berlin"));
    child<QComboBox>("ComboBox1")->setEditText(QStringLiteral("februar"));
    preview();
    EXPECT_EQ(previewRows, 4);
    EXPECT_TRUE(page->HolidayLine().isEmpty());
    EXPECT_EQ(shownPage.find(QStringLiteral("QRLabel1"))->text, QStringLiteral("februar  2010"));
}

TEST_F(FotoPageTest, AustrianRegionsFollowTheStatesAndSayJaenner)
{
    auto* box = child<QComboBox>("ComboBox2");
    EXPECT_EQ(box->itemText(16), QStringLiteral("Österreich"));   // after the 16 states
    box->setCurrentIndex(box->findText(QStringLiteral("Wien")));
    preview();
    EXPECT_EQ(shownPage.find(QStringLiteral("QRLabel1"))->text, QStringLiteral("Jänner  2010"));
    EXPECT_TRUE(page->HolidayLine().startsWith(QStringLiteral("Feiertage in Wien:   01. Neujahr")))
        << page->HolidayLine().toStdString();
}

TEST_F(FotoPageTest, ChartGoesOnThePageAndIsGoneAfterThePreview)
{
    child<QCheckBox>("CheckBox3")->setChecked(true);
    child<QLineEdit>("MaskEdit2")->setText(QStringLiteral("24.12.1960"));
    QApplication::clipboard()->setText(QStringLiteral("old content"));
    preview();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(';').toStdString();
    EXPECT_EQ(chartSlot, QRect(56, 580, 681, 193));
    const auto* chart = shown("QRImage5");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->picture.isVector());
    EXPECT_EQ(bioPage->MaskEdit1()->text(), QStringLiteral("24.12.1960"));
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasImage());
    EXPECT_TRUE(mime->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_FALSE(mime->hasText());
    // Closing the report window restored the chart's screen gradient.
    EXPECT_EQ(bioPage->DBChart1()->model().gradientStart, QColor(0, 0, 0xFF));
    EXPECT_TRUE(slotsEmpty());

    child<QCheckBox>("CheckBox3")->setChecked(false);
    preview();
    EXPECT_EQ(shown("QRImage5"), nullptr);
}

// The chart on the printed calendar page: its legend text keeps the size it has in the
// chart on screen, scaled as the chart is scaled into its slot (681 report pixels wide).
TEST_F(FotoPageTest, ChartTextOnThePrintedPageKeepsItsScreenSize)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) not installed: glyph boxes not checked";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("seite.pdf"));
    QSize chartSize;
    dialogs.answer = [&](QDialog& d) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&d)) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setFullPage(true);
            emit preview->paintRequested(&printer);
            chartSize = report->lastPage().pictures.empty()
                ? QSize()
                : report->lastPage().pictures.back().picture.size().toSize();
        }
        return int(QDialog::Accepted);
    };
    child<QCheckBox>("CheckBox3")->setChecked(true);
    child<QLineEdit>("MaskEdit2")->setText(QStringLiteral("24.12.1960"));
    page->Button5Click();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(';').toStdString();
    ASSERT_FALSE(chartSize.isEmpty());

    QProcess run;
    run.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    const zuv::charts::ChartModel& m = bioPage->DBChart1()->model();
    for (const QString& word : {m.series.at(0).title, m.series.at(1).title}) {
        const QRegularExpression box(QStringLiteral(
            R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">%1</word>)re")
                                         .arg(QRegularExpression::escape(word)));
        const auto match = box.match(html);
        ASSERT_TRUE(match.hasMatch()) << word.toStdString() << " not on the page";
        const double width = match.captured(2).toDouble() - match.captured(1).toDouble();
        // Screen advance, times the slot's stretch of the chart, times 72/96 points a
        // report pixel.
        const double expected = QFontMetricsF(m.legend.font).horizontalAdvance(word)
            * 681.0 / chartSize.width() * 72.0 / 96.0;
        EXPECT_NEAR(width, expected, expected * 0.1) << word.toStdString();
    }
}

TEST_F(FotoPageTest, PictureLayoutsFollowTheChosenPictures)
{
    const QString a = jpeg(QStringLiteral("a.jpg"), {30, 20}, Qt::red);
    const QString b = jpeg(QStringLiteral("b.jpg"), {30, 20}, Qt::green);
    const QString c = jpeg(QStringLiteral("c.jpg"), {30, 20}, Qt::blue);
    struct Case { const char* what; QStringList files; std::vector<QString> slotNames; };
    const Case cases[] = {
        {"picture 1 alone", {a, "", ""}, {QStringLiteral("QRImage1")}},
        {"three pictures", {a, b, c}, {QStringLiteral("QRImage2"), QStringLiteral("QRImage3"), QStringLiteral("QRImage4")}},
        {"third slot left empty", {a, b, ""}, {QStringLiteral("QRImage2"), QStringLiteral("QRImage3")}},
        {"without picture 1 none", {"", b, c}, {}},
        {"picture 1 and 3: single", {a, "", c}, {QStringLiteral("QRImage1")}},
    };
    for (const Case& cs : cases) {
        for (const char* name : {"Bild1", "Bild2", "Bild3"})
            child<QLabel>(name)->clear();
        choosePictures(cs.files);
        preview();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << cs.what << dialogs.errors.join(';').toStdString();
        EXPECT_EQ(pictureNames(), cs.slotNames) << cs.what;
        EXPECT_TRUE(slotsEmpty()) << cs.what;
    }
    // Without the chart the single picture stands at 640, 377 high.
    for (const char* name : {"Bild1", "Bild2", "Bild3"})
        child<QLabel>(name)->clear();
    choosePictures({a});
    preview();
    ASSERT_NE(shown("QRImage1"), nullptr);
    EXPECT_EQ(shown("QRImage1")->rect, QRectF(96, 640, 609, 377));
}

// The pictures load on a worker: the click returns at once without running events of its
// own (before, it spun an event loop while decoding), and the preview opens when they are
// ready.
TEST_F(FotoPageTest, PreviewOpensWhenItsPicturesAreReady)
{
    choosePictures({jpeg(QStringLiteral("a.jpg"), {300, 200}, Qt::red)});
    previewRows = -1;
    dialogs.answer = [this](QDialog& d) {
        if (qobject_cast<QPrintPreviewDialog*>(&d))
            previewRows = grid.rowCount();
        return int(QDialog::Accepted);
    };
    bool eventRan = false;
    QTimer::singleShot(0, [&eventRan] { eventRan = true; });
    page->Button5Click();
    EXPECT_FALSE(eventRan);
    EXPECT_TRUE(page->isBuilding());
    EXPECT_FALSE(child<QFrame>("Panel1")->isEnabled());
    EXPECT_EQ(previewRows, -1);
    page->Button5Click();   // a second click while loading starts nothing
    while (page->isBuilding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    dialogs.answer = {};
    EXPECT_EQ(previewRows, 5);
    EXPECT_TRUE(child<QFrame>("Panel1")->isEnabled());
    EXPECT_EQ(dialogs.execs.count(QStringLiteral("QPrintPreviewDialog")), 1);
}

TEST_F(FotoPageTest, PicturesThatCannotBeLoadedAreReported)
{
    QFile::copy(testData(QStringLiteral("seeds/sample.emf")), path(QStringLiteral("renamed.jpg")));
    const struct { const char* what; QString file; } cases[] = {
        {"damaged JPEG", testData(QStringLiteral("damaged.jpg"))},
        {"damaged EMF, huge record", testData(QStringLiteral("seeds/damaged_recordsize.emf"))},
        {"damaged EMF, cut", testData(QStringLiteral("seeds/damaged_truncated.emf"))},
        {"damaged WMF, cut", testData(QStringLiteral("seeds/damaged_truncated.wmf"))},
        {"text named .emf", testData(QStringLiteral("seeds/not_a_metafile.emf"))},
        {"metafile named .jpg", path(QStringLiteral("renamed.jpg"))},
        {"missing file", path(QStringLiteral("gone.bmp"))},
        {"unknown extension", testData(QStringLiteral("make_metafiles.py"))},
    };
    for (const auto& c : cases) {
        dialogs.errors.clear();
        child<QLabel>("Bild1")->setText(c.file);
        preview();
        ASSERT_EQ(dialogs.errors.size(), 1) << c.what;
        EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kann nicht geladen werden"))) << c.what;
        EXPECT_EQ(previewRows, -1) << c.what;
        EXPECT_EQ(grid.rowCount(), 0) << c.what;
        EXPECT_TRUE(slotsEmpty()) << c.what;
    }
    // The page still works afterwards.
    child<QLabel>("Bild1")->clear();
    preview();
    EXPECT_EQ(previewRows, 5);
}

TEST_F(FotoPageTest, MetafilesLoadAsDrawingsOfTheSlotsPrintSize)
{
    for (const char* name : {"sample.emf", "sample.wmf"}) {
        const zuv::pictures::ReportPicture p =
            zuv::photo::loadPicture(testData(QStringLiteral("seeds/") + QString::fromLatin1(name)), QSizeF(201, 289));
        ASSERT_TRUE(p.isImage()) << name;
        // 201 x 289 report pixels at 300 dpi, rounded up.
        EXPECT_EQ(p.size(), QSizeF(629, 904)) << name;
        QImage img(201, 289, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        p.draw(painter, QRectF(0, 0, 201, 289));
        painter.end();
        // The red rectangle fills most of the picture, the blue ellipse its middle.
        EXPECT_EQ(QColor(img.pixel(20, 20)), QColor(Qt::red)) << name;
        EXPECT_EQ(QColor(img.pixel(100, 144)), QColor(Qt::blue)) << name;
    }
}

TEST_F(FotoPageTest, CameraSizedJpegLoadsAtPrintSize)
{
    // 8000 x 6000 would need 192 MB decoded, above the reader's 128 MB limit.
    const QString file = jpeg(QStringLiteral("camera.jpg"), {8000, 6000}, QColor(10, 120, 200));
    const zuv::pictures::ReportPicture p = zuv::photo::loadPicture(file, QSizeF(609, 377));
    ASSERT_TRUE(p.isImage());
    EXPECT_EQ(p.size(), QSizeF(1904, 1179));   // 609 x 377 report pixels at 300 dpi
}

// A JPEG whose EXIF orientation says "turn 90 degrees clockwise".
QByteArray rotatedJpeg()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    const QByteArray tiff = QByteArray::fromHex("49492a0008000000" "0100" "120103000100000006000000" "00000000");
    QByteArray app1 = QByteArray::fromHex("ffe1");
    const int length = 2 + 6 + tiff.size();
    app1.append(char(length >> 8)).append(char(length & 0xFF)).append("Exif\0\0", 6).append(tiff);
    return data.left(2) + app1 + data.mid(2);
}

TEST_F(FotoPageTest, ExifOrientationIsHonoured)
{
    QFile f(path(QStringLiteral("turned.jpg")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(rotatedJpeg());
    f.close();
    const zuv::pictures::ReportPicture p = zuv::photo::loadPicture(f.fileName(), QSizeF(201, 289));
    EXPECT_EQ(p.size(), QSizeF(20, 40));
}

TEST_F(FotoPageTest, PreviewPrintsThePageThroughThePrinter)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
    dialogs.answer = [&](QDialog& d) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&d)) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setFullPage(true);
            emit preview->paintRequested(&printer);
        }
        return int(QDialog::Accepted);
    };
    page->Button5Click();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    EXPECT_EQ(grid.rowCount(), 0);
}

// A print that cannot start (here: a PDF into a folder that does not exist) is reported in
// the error box, as the chart's printing reports it; before, it ended silently.
TEST_F(FotoPageTest, FailedPrintIsReportedInTheErrorBox)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fehlt/print.pdf"));
    dialogs.answer = [&](QDialog& d) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&d)) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setDocName(QStringLiteral("Bild - Kalender"));
            emit preview->paintRequested(&printer);
        }
        return int(QDialog::Accepted);
    };
    page->Button5Click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors.front(),
              QStringLiteral("Der Druckauftrag „Bild - Kalender“ konnte auf dem Drucker „%1“ nicht "
                             "gestartet werden.").arg(pdf));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST_F(FotoPageTest, CancelShowsTheFirstPageAndRestoresTheChart)
{
    int shownFirst = 0;
    page->setShowFirstPage([&] { ++shownFirst; });
    bioPage->setPrintColours();
    ASSERT_EQ(bioPage->DBChart1()->model().gradientStart, QColor(Qt::white));
    page->Button6Click();
    EXPECT_EQ(shownFirst, 1);
    EXPECT_EQ(bioPage->DBChart1()->model().gradientStart, QColor(0, 0, 0xFF));
    EXPECT_EQ(bioPage->DBChart1()->model().gradientEnd, QColor(Qt::white));
}

} // namespace

namespace {

QString popplerOut(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << tool.toStdString() << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

// "Als PDF speichern..." in the month page's preview writes that one page as an A4 PDF
// with its text and picture; a target that cannot be written is reported, nothing is left.
TEST_F(FotoPageTest, PreviewSavesTheMonthPageAsPdf)
{
    choosePictures({jpeg(QStringLiteral("bild.jpg"), QSize(800, 600), Qt::darkGreen)});
    for (const QString& target : {path(QStringLiteral("monat.pdf")), path(QStringLiteral("fehlt/monat.pdf"))}) {
        bool saved = false;
        dialogs.answer = [&](QDialog& d) {
            if (auto* fd = qobject_cast<QFileDialog*>(&d)) {
                fd->selectFile(target);
                return int(QDialog::Accepted);
            }
            if (QAction* save = d.findChild<QAction*>(QStringLiteral("AlsPdfSpeichern1"))) {
                EXPECT_EQ(save->text(), QStringLiteral("Als PDF speichern..."));
                save->trigger();
                saved = true;
            }
            return int(QDialog::Rejected);
        };
        dialogs.errors.clear();
        page->Button5Click();
        while (page->isBuilding())   // the picture loads first
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialogs.answer = {};
        EXPECT_TRUE(saved);
        if (target.contains(QStringLiteral("fehlt"))) {
            ASSERT_EQ(dialogs.errors.size(), 1);
            EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kann nicht geschrieben werden")));
            EXPECT_FALSE(QFile::exists(target));
            continue;
        }
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
        const QString info = popplerOut(QStringLiteral("pdfinfo"), {target});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        const QString text = popplerOut(QStringLiteral("pdftotext"), {target, QStringLiteral("-")}).simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Januar 2010"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Feiertage in Baden-Württemberg: 01."))) << text.toStdString();
        const QStringList images = popplerOut(QStringLiteral("pdfimages"), {QStringLiteral("-list"), target})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(images.size(), 3) << "header, rule and one picture";
    }
}


namespace {

// Work area -> preview size: 9/10 of the height, 3/4 of that plus 120 across for A4, wider
// when the tool bar needs it, never wider than the area.
TEST(PreviewSize, WideEnoughForTheToolBarAndInsideTheScreen)
{
    const struct {
        QRect area;
        int toolbar;
        QSize size;
    } cases[] = {
        {{0, 0, 1024, 768}, 841, {841, 691}},    // A4 alone would be 638 wide
        {{0, 0, 800, 600}, 841, {800, 540}},
        {{0, 0, 1920, 1040}, 600, {822, 936}},   // A4 is wider than the tool bar
        {{0, 0, 2560, 1440}, 600, {1092, 1296}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zuv::photo::previewDialogSize(c.area, c.toolbar), c.size) << c.area.width();
}

// On the screen it opens on, the preview shows "Drucken" and "Als PDF speichern..." in its
// tool bar, not behind the overflow arrow.
TEST_F(FotoPageTest, PreviewShowsPrintAndPdfButtons)
{
    bool checked = false;
    dialogs.answer = [&checked](QDialog& d) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
        if (!preview)
            return int(QDialog::Rejected);
        auto* bar = preview->findChild<QToolBar*>();
        EXPECT_NE(bar, nullptr);
        if (!bar)
            return int(QDialog::Rejected);
        preview->show();
        QApplication::processEvents();
        const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        int found = 0;
        for (QAction* a : bar->actions()) {
            if (a->text() != print && a->objectName() != QLatin1String("AlsPdfSpeichern1"))
                continue;
            ++found;
            QWidget* button = bar->widgetForAction(a);
            EXPECT_TRUE(button && button->isVisible()) << a->text().toStdString();
        }
        EXPECT_EQ(found, 2);
        const QSize area = preview->screen()->availableGeometry().size();
        EXPECT_LE(preview->width(), area.width());
        EXPECT_LE(preview->height(), area.height());
        preview->hide();
        checked = true;
        return int(QDialog::Accepted);
    };
    page->Button5Click();
    EXPECT_TRUE(checked);
}

// Each picture is judged when it is chosen: a usable one goes into the label, a faulty one
// is named then (file and cause) and not taken, instead of stopping "Vorschau" later.
TEST_F(FotoPageTest, PicturesAreCheckedWhenChosen)
{
    for (const auto& c : zuv::testing::writePictureFiles(path(QStringLiteral(".")))) {
        dialogs.errors.clear();
        child<QLabel>("Bild1")->clear();
        answerFile(path(c.name));
        page->Button1Click();
        EXPECT_EQ(child<QLabel>("Bild1")->text(), c.cause ? QString() : path(c.name)) << c.name.toStdString();
        ASSERT_EQ(dialogs.errors.size(), c.cause ? 1 : 0) << c.name.toStdString();
        if (c.cause) {
            EXPECT_TRUE(dialogs.errors[0].contains(c.name)) << dialogs.errors[0].toStdString();
            EXPECT_TRUE(dialogs.errors[0].contains(QString::fromUtf8(c.cause))) << dialogs.errors[0].toStdString();
        }
    }
}

} // namespace
