// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year calendar window, offscreen, its dialogs answered through the seam.

#include "picturefiles.h"
#include "recordingdialogs.h"
#include "picturechoice.h"
#include "yeartesting.h"
#include "settings.h"
#include "yearwindow.h"
#include "yearwindowmemory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace zuv::yearcal;
using zuv::testing::RecordingDialogs;

class YearWindowTest : public ::testing::Test {
protected:
    // The window remembers its project and size in a settings file of the test's own.
    void SetUp() override { zuv::core::reopenSettings(dir.filePath(QStringLiteral("z.conf"))); }
    void TearDown() override { zuv::core::reopenSettings(); }
    // Closes the window as the user does and writes the settings, as at the end of a run.
    void closeAndRestart(std::unique_ptr<YearWindow>& w)
    {
        w->reject();
        SetUp();
        w = makeWindow();
    }
    std::unique_ptr<YearWindow> makeWindow()
    {
        auto w = std::make_unique<YearWindow>(
            dir.filePath(QStringLiteral("daten/") + kProjectFileName), [this] { return people; },
            [] { return zuv::photo::CalendarReport(); });
        w->openProject(2027);
        return w;
    }
    template <typename T>
    T* child(YearWindow& w, const char* name)
    {
        T* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // Answers the next file dialog with files (saving: one path).
    void answerFiles(const QStringList& files)
    {
        dialogs.answer = [files](QDialog& d) {
            auto& fd = static_cast<QFileDialog&>(d);
            QStringList quoted;
            for (const QString& f : files)
                quoted << QLatin1Char('"') + f + QLatin1Char('"');
            fd.selectFile(files.size() == 1 ? files.front() : quoted.join(QLatin1Char(' ')));
            return int(QDialog::Accepted);
        };
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    std::vector<Person> people = {{QStringLiteral("Anna"), QDate(1987, 3, 14)},
                                  {QStringLiteral("Bert"), QDate(2026, 7, 29)},
                                  {QStringLiteral("Ohne"), QDate()}};
};

TEST_F(YearWindowTest, ANewProjectThenTheSavedOneAsItWas)
{
    auto w = makeWindow();
    YearProject fresh = w->project();
    EXPECT_EQ(fresh.year, 2027);
    EXPECT_EQ(fresh.regionCode, QStringLiteral("BW"));   // first state of the list
    EXPECT_FALSE(fresh.person);
    EXPECT_TRUE(fresh.birthdays);
    // Only people with a birth date can be chosen.
    EXPECT_EQ(child<QComboBox>(*w, "PersonBox")->count(), 3);

    YearProject p = fresh;
    p.year = 2030;
    p.regionCode = QStringLiteral("Sb");
    p.person = people[1];
    p.pictures[1] = QStringList{QStringLiteral("/b/feb.jpg")};
    p.birthdays = false;
    p.intuitive = true;
    p.moonPhases = true;
    p.secondRegion = QStringLiteral("W");
    p.bridgeDays = true;
    w->setProject(p);
    EXPECT_EQ(w->project(), p);
    EXPECT_EQ(child<QToolButton>(*w, "Thumbnail2_1")->text(), QStringLiteral("feb.jpg"));
    w->close();   // closing keeps the project
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();

    auto again = makeWindow();
    EXPECT_EQ(again->project(), p);
}

TEST_F(YearWindowTest, BirthdayCalendarAndABadSecondRegion)
{
    auto w = makeWindow();
    const QString pdf = dir.filePath(QStringLiteral("geburtstage.pdf"));
    answerFiles({pdf});
    child<QPushButton>(*w, "BirthdayCalendarButton")->click();
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    EXPECT_TRUE(yeartest::pdfText(pdf, 4).contains(QStringLiteral("14. Anna (1987)")));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();

    YearProject p = w->project();
    p.secondRegion = p.regionCode;
    w->setProject(p);
    child<QPushButton>(*w, "SavePdfButton")->click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("dieselbe wie die erste"))) << dialogs.errors[0].toStdString();
}

TEST_F(YearWindowTest, ADamagedProjectIsReportedAndANewOneBegins)
{
    QDir().mkpath(dir.filePath(QStringLiteral("daten")));
    QFile f(dir.filePath(QStringLiteral("daten/") + kProjectFileName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{ kaputt");
    f.close();
    auto w = makeWindow();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kein Jahreskalender-Projekt")));
    EXPECT_EQ(w->project().year, 2027);
}

TEST_F(YearWindowTest, PicturesButtonChoosesUpToThreeThenRemoves)
{
    auto w = makeWindow();
    QStringList files;
    for (int i = 0; i < 4; ++i)
        files << yeartest::writePhoto(dir.filePath(QStringLiteral("m%1.jpg").arg(i)), Qt::red);
    answerFiles(files);
    w->PicturesClick(5);
    w->waitForPictures();   // checked on a worker
    EXPECT_EQ(w->project().pictures[4], files.mid(0, 3));
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QStringLiteral("höchstens drei")));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(child<QToolButton>(*w, QStringLiteral("Thumbnail5_%1").arg(i + 1).toLatin1())->toolTip(), files[i]);
    w->PicturesClick(5);
    EXPECT_TRUE(w->project().pictures[4].isEmpty());
    EXPECT_EQ(dialogs.execs.size(), 1);   // removing asks nothing
}

TEST_F(YearWindowTest, PdfInTheBackgroundWithProblemsByMonth)
{
    auto w = makeWindow();
    YearProject p = w->project();
    p.regionCode = QStringLiteral("W");
    p.pictures[0] = QStringList{yeartest::writePhoto(dir.filePath(QStringLiteral("jan.jpg")), Qt::blue)};
    p.pictures[7] = QStringList{dir.filePath(QStringLiteral("weg.jpg"))};
    w->setProject(p);
    const QString pdf = dir.filePath(QStringLiteral("jahr.pdf"));
    answerFiles({pdf});
    std::vector<bool> finished;
    QObject::connect(w.get(), &YearWindow::jobFinished, [&](bool written) { finished.push_back(written); });
    w->SavePdfClick();
    EXPECT_TRUE(w->isBusy());
    EXPECT_FALSE(child<QWidget>(*w, "SavePdfButton")->isEnabled());
    w->waitForJob();
    EXPECT_FALSE(w->isBusy());
    EXPECT_EQ(finished, std::vector<bool>{true});
    EXPECT_TRUE(child<QWidget>(*w, "SavePdfButton")->isEnabled());
    EXPECT_TRUE(child<QProgressBar>(*w, "ProgressBar")->isHidden());
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    EXPECT_TRUE(yeartest::pdfText(pdf, 11).contains(QStringLiteral("Feiertage in Wien:")));
    ASSERT_EQ(w->lastProblems().size(), 1);
    EXPECT_TRUE(w->lastProblems()[0].startsWith(QStringLiteral("August 2027: ")));
    EXPECT_TRUE(w->lastProblems()[0].contains(QStringLiteral("weg.jpg")));
    ASSERT_EQ(dialogs.infos.size(), 1);   // the problems are shown once
    // The output saved the project too.
    EXPECT_EQ(loadProject(w->projectPath()), p);
}

TEST_F(YearWindowTest, ASaveThatCannotBeWrittenIsAnError)
{
    auto w = makeWindow();
    answerFiles({dir.filePath(QStringLiteral("fehlt/jahr.pdf"))});
    w->SavePdfClick();
    w->waitForJob();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kann nicht geschrieben werden")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fehlt/jahr.pdf"))));
}

TEST_F(YearWindowTest, PreviewShowsThirteenPagesAndPrintIsOneJob)
{
    auto w = makeWindow();
    int previewPages = -1;
    dialogs.answer = [&](QDialog& d) {
        if (auto* preview = d.findChild<QPrintPreviewWidget*>()) {
            preview->updatePreview();
            previewPages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    };
    w->PreviewClick();
    EXPECT_EQ(previewPages, 13);

    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    dialogs.answer = [&](QDialog& d) {
        auto& print = static_cast<QPrintDialog&>(d);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    };
    w->PrintClick();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
    EXPECT_EQ(yeartest::pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("13"));
    EXPECT_TRUE(yeartest::pdfText(pdf, 2).contains(QStringLiteral("Januar 2027")));
}

TEST_F(YearWindowTest, PicturesAreCheckedWhenChosen)
{
    auto w = makeWindow();
    zuv::testing::writePictureFiles(dir.path());
    QStringList chosen;
    for (const char* name : {"b_gif.gif", "c_kaputt.png", "d_jpeg.png", "e_foto.heic", "b_webp.webp", "b_tiff.tiff"})
        chosen << dir.filePath(QString::fromLatin1(name));
    answerFiles(chosen);
    w->PicturesClick(3);
    w->waitForPictures();
    EXPECT_EQ(w->project().pictures[2], (QStringList{chosen[0], chosen[4], chosen[5]}));
    ASSERT_EQ(dialogs.errors.size(), 1);   // one message naming every faulty file
    for (const char* name : {"c_kaputt.png", "d_jpeg.png", "e_foto.heic"})
        EXPECT_TRUE(dialogs.errors[0].contains(QLatin1String(name))) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST_F(YearWindowTest, SaysOnceWhichMonthsLieBeforeTheBirth)
{
    auto w = makeWindow();
    YearProject p = w->project();
    p.year = 2026;
    p.person = people[1];   // Bert, born 29.07.2026
    w->setProject(p);
    auto* note = child<QLabel>(*w, "BeforeBirthNote");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().contains(QStringLiteral("Januar bis Juni 2026"))) << note->text().toStdString();
    child<QSpinBox>(*w, "YearEdit")->setValue(2027);
    EXPECT_TRUE(note->isHidden());
}

// Esc went through QDialog::reject(), which only hides: the project was not saved and a
// running PDF job went on.
TEST_F(YearWindowTest, EscCloseButtonAndSchliessenSaveAndCancelAlike)
{
    const struct { const char* how; std::function<void(YearWindow&)> leave; } ways[] = {
        {"Esc", [](YearWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"close button", [](YearWindow& w) { w.close(); }},
        {"Schließen", [](YearWindow& w) { QTest::mouseClick(w.findChild<QWidget*>("CloseButton"), Qt::LeftButton); }},
    };
    for (const auto& way : ways) {
        auto w = makeWindow();
        w->show();
        answerFiles({dir.filePath(QStringLiteral("jahr.pdf"))});
        w->SavePdfClick();   // saves the project as it was; whether the job ends before the
                             // window is left depends on the machine, so only its end is awaited
        ASSERT_TRUE(w->isBusy()) << way.how;
        YearProject p = w->project();
        p.year = 2031;
        w->setProject(p);
        way.leave(*w);
        w->waitForJob();
        EXPECT_FALSE(w->isVisible()) << way.how;
        EXPECT_FALSE(w->isBusy()) << way.how;
        EXPECT_EQ(loadProject(w->projectPath()).year, 2031) << way.how;
        QFile::remove(w->projectPath());
    }
}

// The first year calendar is for the region the photo page shows; a saved project keeps its
// own, and an unknown region falls back to the first.
TEST_F(YearWindowTest, FirstProjectTakesTheGivenRegion)
{
    const struct {
        const char* given;
        const char* expected;
    } cases[] = {{"BY", "BY"}, {"", "BW"}, {"XX", "BW"}};
    for (const auto& c : cases) {
        YearWindow w(dir.filePath(QStringLiteral("neu/") + kProjectFileName), [] { return std::vector<Person>(); },
                     [] { return zuv::photo::CalendarReport(); });
        w.openProject(2027, QString::fromLatin1(c.given));
        EXPECT_EQ(w.project().regionCode, QString::fromLatin1(c.expected)) << c.given;
    }
}

// A file manager drags text/uri-list: the pictures go to the month they were dropped on,
// checked as chosen ones are; the rest is refused with the check's message.
TEST_F(YearWindowTest, DroppedFilesGoToTheirMonthAndNonPicturesAreRefused)
{
    auto w = makeWindow();
    const QString photo = yeartest::writePhoto(dir.filePath(QStringLiteral("sommer.jpg")), Qt::red);
    const QString note = dir.filePath(QStringLiteral("notiz.txt"));
    QFile text(note);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("kein Bild");
    text.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(note), QUrl::fromLocalFile(photo), QUrl(QStringLiteral("https://example.org/a.jpg"))});
    ASSERT_TRUE(data.hasFormat(QStringLiteral("text/uri-list")));
    auto* july = child<QWidget>(*w, "MonthArea7");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(july, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(july, &drop);
    w->waitForPictures();

    const YearProject p = w->project();
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(p.pictures[m], m == 6 ? QStringList{photo} : QStringList()) << m + 1;
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], zuv::photo::checkChosenPicture(note));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("notiz.txt")));
    // The month's button names it, for a screen reader too; the thumbnail follows off this thread.
    auto* button = child<QPushButton>(*w, "PicturesButton7");
    EXPECT_EQ(button->text(), QStringLiteral("Bilder Juli entfernen"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Bilder für Juli entfernen"));
    EXPECT_EQ(child<QPushButton>(*w, "PicturesButton8")->accessibleName(), QStringLiteral("Bilder für August wählen"));
    w->waitForPictures();
    EXPECT_FALSE(child<QToolButton>(*w, "Thumbnail7_1")->icon().isNull());
}

// "Ordner übernehmen..." hands out the pictures as --bilder does: names in natural order,
// one a month from the first month, files that are no picture named and skipped.
TEST_F(YearWindowTest, FolderFillsTheYearInTheOrderOfTheCommandLine)
{
    auto w = makeWindow();
    YearProject p = w->project();
    p.print.firstMonth = 11;
    p.pictures[0] = QStringList{QStringLiteral("/alt/januar.jpg")};
    w->setProject(p);
    const QDir folder(dir.filePath(QStringLiteral("fotos")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    for (const char* name : {"bild10.jpg", "bild2.jpg", "Abend.jpg"})
        yeartest::writePhoto(folder.filePath(QString::fromLatin1(name)), Qt::blue);
    QFile(folder.filePath(QStringLiteral("liesmich.txt"))).open(QIODevice::WriteOnly);
    answerFiles({folder.path()});
    w->FolderClick();
    w->waitForPictures();
    std::array<QStringList, 12> expected;
    expected[10] = QStringList{folder.filePath(QStringLiteral("Abend.jpg"))};   // November
    expected[11] = QStringList{folder.filePath(QStringLiteral("bild2.jpg"))};
    expected[0] = QStringList{folder.filePath(QStringLiteral("bild10.jpg"))};   // January after
    EXPECT_EQ(w->project().pictures, expected);
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QStringLiteral("liesmich.txt")));

    // A folder without one usable picture keeps the year's pictures.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("leer")));
    answerFiles({dir.filePath(QStringLiteral("leer"))});
    w->FolderClick();
    w->waitForPictures();
    EXPECT_EQ(w->project().pictures, expected);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("kein Bild"))) << dialogs.errors[0].toStdString();
}

// Each print control reaches the project file; the soft-picture note follows paper and fit.
TEST_F(YearWindowTest, PrintControlsAreKeptInTheProject)
{
    const QString small = yeartest::writePhoto(dir.filePath(QStringLiteral("klein.jpg")), Qt::green, {400, 300});
    const struct {
        const char* control;
        std::function<void(YearWindow&)> change;
        std::function<bool(const PrintSettings&)> written;
    } cases[] = {
        {"PaperBox", [](YearWindow& w) { w.findChild<QComboBox*>("PaperBox")->setCurrentIndex(1); },
         [](const PrintSettings& s) { return s.sheet.paper == zuv::photo::Paper::A3; }},
        {"BleedBox", [](YearWindow& w) { w.findChild<QCheckBox*>("BleedBox")->setChecked(true); },
         [](const PrintSettings& s) { return s.sheet.bleed; }},
        {"FirstMonthBox", [](YearWindow& w) { w.findChild<QComboBox*>("FirstMonthBox")->setCurrentIndex(7); },
         [](const PrintSettings& s) { return s.firstMonth == 8; }},
        {"FitBox", [](YearWindow& w) { w.findChild<QComboBox*>("FitBox")->setCurrentIndex(1); },
         [small](const PrintSettings& s) { return placementOf(s, small).fit == zuv::photo::PictureFit::Fit; }},
        {"FocusBox", [](YearWindow& w) { w.findChild<QComboBox*>("FocusBox")->setCurrentIndex(0); },
         [small](const PrintSettings& s) {
             return placementOf(s, small).focus == zuv::photo::FocusPoint{0, 0}
                 && placementOf(s, small).fit == zuv::photo::PictureFit::Crop;
         }},
    };
    for (const auto& c : cases) {
        auto w = makeWindow();
        w->PicturesDropped(5, {small});
        w->waitForPictures();
        QTest::mouseClick(child<QToolButton>(*w, "Thumbnail5_1"), Qt::LeftButton);   // chooses it
        c.change(*w);
        w->close();
        EXPECT_TRUE(c.written(loadProject(w->projectPath()).print)) << c.control;
        QFile::remove(w->projectPath());
    }

    // 400 pixels over the single slot's 609 report pixels (6.34 inches) on A4: 63 ppi; on A5
    // the slot prints at 0.707 of that size: 89 ppi.
    auto w = makeWindow();
    w->PicturesDropped(5, {small});
    w->waitForPictures();
    auto* note = child<QLabel>(*w, "SoftPicturesLabel");
    EXPECT_EQ(note->text(), QStringLiteral("Mai, Bild 1: 63 ppi, wird unscharf"));
    child<QComboBox>(*w, "PaperBox")->setCurrentIndex(2);
    EXPECT_EQ(note->text(), QStringLiteral("Mai, Bild 1: 89 ppi, wird unscharf"));
    EXPECT_FALSE(note->isHidden());
}

// A calendar from July on shows July's pictures first and June's last, in reading order.
TEST_F(YearWindowTest, MonthsStandInTheOrderTheCalendarPrintsThem)
{
    auto w = makeWindow();
    const auto* grid = child<QGroupBox>(*w, "MonthsBox")->findChild<QGridLayout*>();
    const auto cellOf = [&](int month) {
        int row = -1, column = -1, rows = 0, columns = 0;
        const int index = grid->indexOf(w->findChild<QWidget*>(QStringLiteral("MonthArea%1").arg(month)));
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        return QPoint(column, row);
    };
    EXPECT_EQ(cellOf(1), QPoint(0, 0));
    child<QComboBox>(*w, "FirstMonthBox")->setCurrentIndex(6);
    EXPECT_EQ(cellOf(7), QPoint(0, 0));
    EXPECT_EQ(cellOf(12), QPoint(1, 1));
    EXPECT_EQ(cellOf(6), QPoint(3, 2));
}

// Another project file, opened or saved, is the one the next start opens.
TEST_F(YearWindowTest, TheProjectLastOpenedOrSavedComesBack)
{
    auto w = makeWindow();
    YearProject p = w->project();
    p.year = 2031;
    w->setProject(p);
    answerFiles({dir.filePath(QStringLiteral("familie.json"))});
    child<QPushButton>(*w, "SaveProjectAsButton")->click();
    EXPECT_EQ(loadProject(dir.filePath(QStringLiteral("familie.json"))).year, 2031);
    closeAndRestart(w);
    EXPECT_EQ(w->project().year, 2031);
    // Opening another file first saves the project left, changes included; a file that is
    // no project is refused and the project shown stays.
    p.year = 2040;
    saveProject(dir.filePath(QStringLiteral("oma.json")), p);
    p.year = 2032;
    w->setProject(p);
    for (const char* name : {"oma.json", "z.conf"}) {
        answerFiles({dir.filePath(QString::fromLatin1(name))});
        child<QPushButton>(*w, "OpenProjectButton")->click();
    }
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(loadProject(dir.filePath(QStringLiteral("familie.json"))).year, 2032);
    closeAndRestart(w);
    EXPECT_EQ(w->project().year, 2040);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("daten/") + kProjectFileName)));   // never needed
}

TEST_F(YearWindowTest, ALastProjectGoneOrDamagedIsReportedOnceAndTheDefaultOpens)
{
    const struct {
        QByteArray content;            // of the last project; empty: the file is gone
        const char* message;
        int defaultYear;               // of the default project's file; 0: there is none
    } cases[] = {{{}, "gibt es nicht mehr", 0}, {"{ kaputt", "kein Jahreskalender-Projekt", 2029}};
    const QString defaultPath = dir.filePath(QStringLiteral("daten/") + kProjectFileName);
    const QString last = dir.filePath(QStringLiteral("zuletzt.json"));
    for (const auto& c : cases) {
        dialogs.errors.clear();
        QFile::remove(last);
        if (QFile f(last); !c.content.isEmpty() && f.open(QIODevice::WriteOnly))
            f.write(c.content);
        QFile::remove(defaultPath);
        YearProject standard;
        standard.year = c.defaultYear;
        if (c.defaultYear)
            saveProject(defaultPath, standard);
        keepYearWindow({{}, {}, last});
        auto w = makeWindow();
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(QString::fromUtf8(c.message))) << dialogs.errors[0].toStdString();
        EXPECT_EQ(w->projectPath(), defaultPath);
        EXPECT_EQ(w->project().year, c.defaultYear ? c.defaultYear : 2027);   // else a new one
        closeAndRestart(w);
        EXPECT_EQ(dialogs.errors.size(), 1) << "said once";
    }
}

} // namespace
