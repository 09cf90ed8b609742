// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The page's choices in the "Foto Kalender" menu reach the page the preview shows: the
// picture fit and a focus point dragged in the preview, the marks, the appointments of
// calendar files (a broken one too), the soft-picture note; and they outlast the run, as do
// the region and the calendar page's fonts.

#include "pagewidgets.h"
#include "settings.h"
#include "photofixture.h"

#include <QAction>
#include <QFileDialog>
#include <QFontDialog>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSettings>

namespace {

using zuv::photo::PictureFit;

class ChoicesTest : public PhotoFixture {
protected:
    void trigger(const char* name)
    {
        auto* a = page->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void setMonth(const QString& state, int month, int year)
    {
        child<QComboBox>("ComboBox2")->setCurrentText(state);
        child<QComboBox>("ComboBox1")->setCurrentIndex(month - 1);
        child<zuv::widgets::UpDown>("UpDown1")->setPosition(year);
    }
    QString file(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    void choosePicture(const QString& picture)
    {
        dialogs.answer = [picture](QDialog& d) {
            qobject_cast<QFileDialog*>(&d)->selectFile(picture);
            return int(QDialog::Accepted);
        };
        page->Button1Click();
        dialogs.answer = {};
    }
    // Runs the preview; during it, whileOpen gets the dialog (shown, so its page view has
    // its size). Afterwards shownPage and summary hold what it showed.
    void preview(const std::function<void(QPrintPreviewDialog&)>& whileOpen = {})
    {
        dialogs.answer = [this, whileOpen](QDialog& d) {
            if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(&d)) {
                if (whileOpen) {
                    dialog->show();
                    QCoreApplication::processEvents();
                    whileOpen(*dialog);
                }
                shownPage = report->lastPage();
                summary = report->monthPage().summaryText();
                auto* notes = dialog->findChild<QLabel*>(QStringLiteral("Hinweise"));
                shownNotes = notes ? notes->text() : QString();
            }
            return int(QDialog::Accepted);
        };
        page->Button5Click();
        while (page->isBuilding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        dialogs.answer = {};
    }
    // The colour at a point of the shown page (report pixels), drawn at report size.
    QColor shownColour(const QPointF& at) const
    {
        QImage image(shownPage.size.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        zuv::photo::render(painter, QRectF(QPointF(0, 0), shownPage.size), shownPage);
        painter.end();
        return image.pixelColor(at.toPoint());
    }

    // The page and its report window made anew on the same settings file, as at a restart.
    void restart()
    {
        page.reset();
        report.reset();
        zuv::core::reopenSettings();
        report = std::make_unique<zuv::photo::TForm10>(grid, bio, *bioPage);
        page = std::make_unique<zuv::photo::FotoPage>(grid, *bioPage, *report);
        page->initialise(kToday);
    }
    // The elements the font menus change, each as "name font colour".
    static QStringList fonts(const zuv::photo::CalendarReport& r)
    {
        QStringList out;
        for (const QString& name : zuv::photo::fontMenuElements())
            out << name + QLatin1Char(' ') + r.text(name).font.toString() + QLatin1Char(' ') + r.text(name).color.name();
        return out;
    }

    zuv::photo::ReportPage shownPage;
    QString summary;
    QString shownNotes;
};

// A family the font dialog offers here (fonts-dejavu-core).
QFont serif(int points)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSize(points);
    f.setItalic(true);
    return f;
}

// A square picture, its upper 60 % red and the rest blue: in the wide single slot,
// Zuschneiden shows a band across its middle, whose centre is red until the picture is
// dragged up far enough.
QImage redOverBlue()
{
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 400, 240, Qt::red);
    return image;
}

void sendMouse(QWidget* to, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), to->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

bool isRed(const QColor& c) { return c.red() > 200 && c.blue() < 60; }
bool isBlue(const QColor& c) { return c.blue() > 200 && c.red() < 60; }

TEST_F(ChoicesTest, DraggingACroppedPictureMovesWhatTheSlotShowsAndIsKept)
{
    const QString picture = path(QStringLiteral("rot-blau.png"));
    ASSERT_TRUE(redOverBlue().save(picture));
    choosePicture(picture);
    trigger("Zuschneiden1");
    const QPointF slotCentre(96 + 609 / 2.0, 640 + 377 / 2.0);   // the single slot without chart
    QColor before;
    zuv::photo::ReportPage afterDrag;
    zuv::photo::FocusPoint dragged;
    preview([&](QPrintPreviewDialog& dialog) {
        auto* view = dialog.findChild<QPrintPreviewWidget*>()->findChild<QGraphicsView*>();
        ASSERT_NE(view, nullptr);
        ASSERT_FALSE(view->items().isEmpty());
        // The preview's page item spans the sheet with a border of a 25th of its length.
        const QGraphicsItem* sheet = view->items().constFirst();
        const QRectF box = sheet->boundingRect();
        const QSizeF paper = box.size() - 2 * QSizeF(-box.left(), -box.top());
        const auto viewportAt = [&](const QPointF& p) {
            const QPointF local(p.x() / shownPage.size.width() * paper.width(),
                                p.y() / shownPage.size.height() * paper.height());
            return view->mapFromScene(sheet->mapToScene(local));
        };
        shownPage = report->lastPage();
        before = shownColour(slotCentre);
        const QPoint from = viewportAt(slotCentre);
        const QPoint to = viewportAt(slotCentre - QPointF(0, 100));
        // The page maps the pointer back onto the sheet (to a viewport pixel's size).
        const auto back = report->sheetPoint(from);
        ASSERT_TRUE(back.has_value());
        EXPECT_LT(QLineF(*back, slotCentre).length(), 4.0);
        sendMouse(view->viewport(), QEvent::MouseButtonPress, from);
        sendMouse(view->viewport(), QEvent::MouseMove, to);
        sendMouse(view->viewport(), QEvent::MouseButtonRelease, to);
        afterDrag = report->lastPage();
        dragged = page->choices().focus[0];
        // The picture's context menu puts the focus on one of nine places: "oben" shows the
        // picture's top, red again.
        for (QAction* a : report->PictureMenu1(0)->actions())
            if (a->text() == QLatin1String("oben"))
                a->trigger();
    });
    EXPECT_TRUE(isRed(before)) << before.name().toStdString();
    EXPECT_TRUE(isRed(shownColour(slotCentre)));
    EXPECT_EQ(page->choices().focus[0], (zuv::photo::FocusPoint{0.5, 0.0}));
    // Dragged up by 100 report pixels (66 picture pixels): the centre showed the blue part.
    shownPage = afterDrag;
    EXPECT_TRUE(isBlue(shownColour(slotCentre))) << shownColour(slotCentre).name().toStdString();
    EXPECT_NEAR(dragged.y, (200 + 100 * 400.0 / 609) / 400, 0.02);
    EXPECT_DOUBLE_EQ(dragged.x, 0.5);
    // The next run starts with the fit and the focus point last chosen.
    EXPECT_EQ(zuv::photo::loadFotoPageChoices(), page->choices());
    EXPECT_EQ(zuv::photo::loadFotoPageChoices().fit, PictureFit::Crop);
}

TEST_F(ChoicesTest, EachMarkSwitchAddsItsLineToThePage)
{
    struct Case {
        const char* entry;          // menu entry switched on
        const char* region2;        // second region's code for "ZweiteRegion1", else nullptr
        const char* state;
        int month, year;
        const char* line;           // expected in the summary under the grid
    };
    const Case cases[] = {
        // Phases of January 2010 from the almanacs (annular eclipse at the new moon of the 15th).
        {"Mondphasen1", nullptr, "Bayern", 1, 2010,
         "Mondphasen: 07. Letztes Viertel  15. Neumond  23. Erstes Viertel  30. Vollmond"},
        // Bavaria 2027: Ascension on Thursday 6 May, Corpus Christi on Thursday 27 May.
        {"Brueckentage1", nullptr, "Bayern", 5, 2027, "Brückentage: 07. 28."},
        // Austria's national holiday is no holiday in Bavaria.
        {"ZweiteRegion1", "W", "Bayern", 10, 2027, "26. Nationalfeiertag (W)"},
    };
    for (const Case& c : cases) {
        setMonth(QString::fromUtf8(c.state), c.month, c.year);
        preview();
        const QString plain = summary;
        trigger(c.region2 ? qPrintable(QStringLiteral("ZweiteRegion_") + QLatin1String(c.region2)) : c.entry);
        preview();
        EXPECT_FALSE(plain.contains(QString::fromUtf8(c.line))) << c.entry;
        EXPECT_TRUE(summary.contains(QString::fromUtf8(c.line))) << c.entry << ": " << summary.toStdString();
        // Switched off again, the page is the plain one.
        if (c.region2)
            page->ZweiteRegion1Click(QString());
        else
            trigger(c.entry);
        preview();
        EXPECT_EQ(summary, plain) << c.entry;
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ChoicesTest, ASecondRegionEqualToTheFirstIsRefused)
{
    setMonth(QStringLiteral("Bayern"), 10, 2027);
    page->ZweiteRegion1Click(QStringLiteral("BY"));
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QStringLiteral("dieselbe wie die erste"))) << dialogs.infos[0].toStdString();
    EXPECT_TRUE(page->choices().secondRegion.isEmpty());
    // Chosen while another state was shown, it is refused when the page is made.
    page->ZweiteRegion1Click(QStringLiteral("W"));
    setMonth(QStringLiteral("Wien"), 10, 2027);
    dialogs.infos.clear();
    preview();
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QStringLiteral("„W“"))) << dialogs.infos[0].toStdString();
    EXPECT_TRUE(summary.isEmpty());   // no preview
}

TEST_F(ChoicesTest, ABrokenCalendarFileIsNamedAndItsGoodEventsStillCount)
{
    const QString ics = file(QStringLiteral("familie.ics"),
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
        "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Zahnarzt\r\nDTSTART;VALUE=DATE:20270315\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Kaputt\r\nDTSTART;VALUE=DATE:2027-13-45\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Osterferien\r\nDTSTART;VALUE=DATE:20270322\r\n"
        "DTEND;VALUE=DATE:20270327\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n");
    setMonth(QStringLiteral("Bayern"), 3, 2027);
    dialogs.answer = [ics](QDialog& d) {
        qobject_cast<QFileDialog*>(&d)->selectFile(ics);
        return int(QDialog::Accepted);
    };
    trigger("TermineAusDatei1");
    dialogs.answer = {};
    ASSERT_EQ(dialogs.infos.size(), 1);
    // Line 12 holds the broken start (lines 1-3 header, 4-8 the first event).
    EXPECT_TRUE(dialogs.infos[0].contains(QStringLiteral("familie.ics, Zeile 12"))) << dialogs.infos[0].toStdString();
    EXPECT_EQ(child<QLabel>("Termine1")->text(), QStringLiteral("Termine aus: familie.ics"));

    preview();
    EXPECT_TRUE(summary.contains(QStringLiteral("Termine: 15. Zahnarzt  22.–26. Osterferien")))
        << summary.toStdString();
    EXPECT_TRUE(shownNotes.contains(QStringLiteral("familie.ics, Zeile 12")));
    // The five days of the holidays are shaded, the dentist's day is not.
    int shaded = 0;
    for (const auto& f : shownPage.fills)
        shaded += f.name == QLatin1String("Termin") ? 1 : 0;
    EXPECT_EQ(shaded, 5);
}

TEST_F(ChoicesTest, ThePreviewSaysWhichPictureWillPrintSoft)
{
    // 60 x 40 pixels stretched over 6.34 x 3.93 inches: 9.5 pixels per inch across.
    const QString small = path(QStringLiteral("klein.png"));
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(small));
    choosePicture(small);
    setMonth(QStringLiteral("Bayern"), 3, 2027);
    preview();
    EXPECT_EQ(shownNotes, QStringLiteral("März, Bild 1: 9 ppi, wird unscharf"));
    // Einpassen shows it 3.93 inches high at 40 pixels: 10 ppi.
    trigger("Einpassen1");
    preview();
    EXPECT_EQ(shownNotes, QStringLiteral("März, Bild 1: 10 ppi, wird unscharf"));
    // A sharp picture gets no note and no label.
    trigger("Verzerren1");
    page->Button1Click();
    const QString large = path(QStringLiteral("gross.png"));
    QImage big(1400, 900, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    ASSERT_TRUE(big.save(large));
    choosePicture(large);
    preview();
    EXPECT_TRUE(shownNotes.isEmpty()) << shownNotes.toStdString();
}

TEST(FotoPageChoicesFile, UnusableValuesGiveTheDefaults)
{
    QTemporaryDir dir;
    zuv::core::Settings settings(dir.filePath(QStringLiteral("z.conf")));
    settings.set(QStringLiteral("FotoKalender/Bildanpassung"), QStringLiteral("quetschen"));
    settings.set(QStringLiteral("FotoKalender/Bildausschnitt1"), QStringLiteral("1.5 0.2"));
    settings.set(QStringLiteral("FotoKalender/Bildausschnitt2"), QStringLiteral("nan 0.2"));
    settings.set(QStringLiteral("FotoKalender/Bildausschnitt3"), QStringLiteral("0.25 1"));
    settings.set(QStringLiteral("FotoKalender/ZweiteRegion"), QStringLiteral("ZZH"));   // Zürich
    const zuv::photo::FotoPageChoices c = zuv::photo::readFotoPageChoices(settings);
    EXPECT_EQ(c.fit, PictureFit::Stretch);
    EXPECT_EQ(c.focus[0], zuv::photo::FocusPoint());
    EXPECT_EQ(c.focus[1], zuv::photo::FocusPoint());
    EXPECT_EQ(c.focus[2], (zuv::photo::FocusPoint{0.25, 1}));
    EXPECT_TRUE(c.secondRegion.isEmpty());
}

TEST_F(ChoicesTest, RegionAndFontsComeBackAfterARestartAndSoDoesStandard)
{
    const zuv::photo::CalendarReport design;
    auto* region = child<QComboBox>("ComboBox2");
    region->setCurrentText(QStringLiteral("Wien"));
    region->setCurrentText(QStringLiteral("Bay"));   // half a name chooses nothing
    for (void (zuv::photo::FotoPage::*menu)() : {&zuv::photo::FotoPage::SchriftartTitel1Click,
                                                 &zuv::photo::FotoPage::SchriftartTageszahlen1Click}) {
        dialogs.answer = [](QDialog& d) {
            qobject_cast<QFontDialog*>(&d)->setCurrentFont(serif(30));
            return int(QDialog::Accepted);
        };
        (page.get()->*menu)();
    }
    const QStringList chosen = fonts(report->QRBildkalender);
    ASSERT_NE(chosen, fonts(design));
    restart();
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Wien"));
    EXPECT_EQ(fonts(report->QRBildkalender), chosen);
    page->Standard1Click();
    restart();
    EXPECT_EQ(fonts(report->QRBildkalender), fonts(design));
}

TEST_F(ChoicesTest, ADamagedRegionOrFontGivesTheDefault)
{
    zuv::core::Settings& store = zuv::core::settings();
    store.set(QStringLiteral("FotoKalender/Bundesland"), QStringLiteral("ZZH"));   // Zürich: not offered
    store.set(QStringLiteral("FotoKalender/Schrift_QRLabel1"), QStringLiteral("Kursiv, bitte"));
    store.set(QStringLiteral("FotoKalender/Schrift_QRLabel2"), QStringLiteral("DejaVu Serif,9000,-1,5,400,0,0,0,0,0"));
    store.set(QStringLiteral("FotoKalender/Schriftfarbe_QRLabel3"), QStringLiteral("grünlich"));
    store.setFont(QStringLiteral("FotoKalender/Schrift_QRDBText2"), serif(20));   // good: it counts
    restart();
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Baden-Württemberg"));
    zuv::photo::CalendarReport expected;
    expected.dayCell(1).font = serif(20);
    EXPECT_EQ(fonts(report->QRBildkalender), fonts(expected));
}

} // namespace
