// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fotopage.h"
#include "designfont.h"

#include "biopage.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "monthgrid.h"
#include "monthpage.h"
#include "monthpagemarks.h"
#include "pagepictures.h"
#include "pagewidgets.h"
#include "picturechoice.h"
#include "pictureformats.h"
#include "programfolder.h"
#include "regionmonthnames.h"
#include "regions.h"
#include "table.h"
#include "tform10.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSvgGenerator>

namespace zuv::photo {

QString missingBirthDateText(const QString& typed)
{
    const QString digits = QString(typed).remove(QLatin1Char('.')).trimmed();
    if (digits.isEmpty())
        return QCoreApplication::translate("Photo", "Für „Mit Zuvododerod“ fehlt das Geburtsdatum.\n"
                                                    "Geben Sie ein Geburtsdatum ein.");
    return QCoreApplication::translate("Photo", "„%1“ ist kein gültiges Geburtsdatum.\n"
                                                "Geben Sie das Datum als TT.MM.JJJJ ein.")
        .arg(typed.trimmed());
}

using zuv::core::dialogs;

namespace {

const QColor kActiveBorder(0xB4, 0xB4, 0xB4);

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width = -1, int height = -1)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

void colourField(QWidget* w)
{
    QPalette p = w->palette();
    // With its own text colour: a dark theme's light text would not show on the grey.
    p.setColor(QPalette::Base, kActiveBorder);
    p.setColor(QPalette::Text, Qt::black);
    w->setPalette(p);
}

// The month chart as SVG for the clipboard, titled with the chart's name.
QByteArray chartSvg(const zuv::bio::BioMonth& month, zuv::bio::MonthChartOptions options,
                    QSize size)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("DBChart1"));
    options.xorMarker = false;
    QPainter painter(&generator);
    zuv::bio::renderMonthChart(painter, QRect(QPoint(0, 0), size), month, options);
    painter.end();
    return data;
}

} // namespace

FotoPage::FotoPage(zuv::store::Table& CLDBildkalender, zuv::bio::BioPage& bioPage,
                   TForm10& reportWindow, QWidget* parent)
    : QWidget(parent), m_CLDBildkalender(CLDBildkalender), m_bioPage(bioPage),
      m_report(reportWindow)
{
    setObjectName(QStringLiteral("TabSheet2"));
    m_fontDialogFont = QFont(zuv::core::installedFamily(QStringLiteral("MS Sans Serif")));
    m_fontDialogFont.setPointSize(8);
    m_fontDialogColour = QColor(0x00, 0x00, 0x00);
    buildControls();
    buildMenuEntries();
    // A focus point moved in the preview is kept for the next page and the next run.
    m_report.setFocusMoved([this](int index, FocusPoint focus) {
        m_choices.focus[static_cast<std::size_t>(index)] = focus;
        choicesChanged();
    });
}

FotoPage::~FotoPage() = default;

void FotoPage::buildControls()
{
    m_Panel1 = new QFrame(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    m_Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_Panel1->setLineWidth(2);
    m_Panel1->setGeometry(QRect(QPoint(0, 0), designSize()));
    QFont windowFont(zuv::core::installedFamily(QStringLiteral("MS Sans Serif")));
    windowFont.setPointSize(8);
    m_Panel1->setFont(windowFont);
    QWidget* p = m_Panel1;

    m_Button1 = place(new QPushButton(tr("Bild &1"), p), "Button1", 16, 24, 35, 21);
    m_Bild1 = place(new QLabel(p), "Bild1", 67, 27, 380, 14);
    m_Button2 = place(new QPushButton(tr("Bild &2"), p), "Button2", 16, 64, 35, 21);
    m_Bild2 = place(new QLabel(p), "Bild2", 67, 67, 380, 14);
    m_Button3 = place(new QPushButton(tr("Bild &3"), p), "Button3", 16, 104, 35, 21);
    m_Bild3 = place(new QLabel(p), "Bild3", 67, 108, 380, 14);

    // Wider than 97 pixels so that the whole caption shows; the birth date starts at 176.
    m_CheckBox3 = place(new QCheckBox(tr("Mit &Zuvododerod"), p), "CheckBox3", 16, 192,
                        150, 17);
    m_Label5 = place(new QLabel(tr("&Geburtsdatum"), p), "Label5", 176, 174, 81, 14);
    QFont arial8(zuv::core::installedFamily(QStringLiteral("Arial")));
    arial8.setPointSize(8);
    m_Label5->setFont(arial8);
    m_Label5->hide();
    m_MaskEdit2 = place(new zuv::widgets::MaskEdit(p), "MaskEdit2", 176, 190, 65, 21);
    m_MaskEdit2->setToolTip(tr("Geben Sie Ihr Geburtsdatum ein."));
    m_MaskEdit2->setCursor(Qt::PointingHandCursor);
    colourField(m_MaskEdit2);
    m_MaskEdit2->hide();
    m_Label5->setBuddy(m_MaskEdit2);

    m_Label2 = place(new QLabel(tr("&Bundesland"), p), "Label2", 176, 240);
    m_ComboBox2 = place(new QComboBox(p), "ComboBox2", 176, 254, 145, 21);
    m_ComboBox2->setEditable(true);
    m_ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    colourField(m_ComboBox2);
    m_Label2->setBuddy(m_ComboBox2);

    m_Label1 = place(new QLabel(tr("&Monat"), p), "Label1", 16, 304);
    m_ComboBox1 = place(new QComboBox(p), "ComboBox1", 16, 320, 129, 21);
    m_ComboBox1->setEditable(true);
    m_ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    m_ComboBox1->addItems(monthBoxEntries());
    m_Label1->setBuddy(m_ComboBox1);
    colourField(m_ComboBox1);

    m_LabeledEdit2Label = place(new QLabel(tr("&Jahr"), p), "LabeledEdit2Label", 256, 304);
    m_LabeledEdit2 = place(new QLineEdit(p), "LabeledEdit2", 256, 320, 49, 21);
    m_LabeledEdit2->setReadOnly(true);
    m_LabeledEdit2Label->setBuddy(m_LabeledEdit2);
    colourField(m_LabeledEdit2);
    m_UpDown1 = place(new zuv::widgets::UpDown(p), "UpDown1", 305, 320, 16, 21);
    m_UpDown1->setAssociate(m_LabeledEdit2);

    m_Button5 = place(new QPushButton(tr("&Vorschau"), p), "Button5", 72, 392, 75, 25);
    m_Button6 = place(new QPushButton(tr("&Abbrechen"), p), "Button6", 248, 392, 75, 25);

    // The calendar files whose appointments go on the page, when there are any.
    m_Termine1 = place(new QLabel(p), "Termine1", 16, 140, 430, 14);

    m_Image1 = place(new QLabel(p), "Image1", 464, 40, 305, 401);
    m_Image1->setScaledContents(true);

    m_PopupMenu1 = new QMenu(this);
    m_PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto addEntry = [this](const char* name, const QString& text, void (FotoPage::*handler)()) {
        QAction* a = m_PopupMenu1->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    addEntry("SchriftartTitel2", tr("Schriftart Titel"), &FotoPage::SchriftartTitel1Click);
    addEntry("SchriftartWochentage2", tr("Schriftart Wochentage"),
             &FotoPage::SchriftartWochentage1Click);
    addEntry("SchriftartTageszahlen2", tr("Schriftart Tageszahlen"),
             &FotoPage::SchriftartTageszahlen1Click);
    m_PopupMenu1->addSeparator();
    addEntry("Standard2", tr("Standard"), &FotoPage::Standard1Click);
    m_Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Panel1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_PopupMenu1->popup(m_Panel1->mapToGlobal(pos)); });

    connect(m_Button1, &QPushButton::clicked, this, &FotoPage::Button1Click);
    connect(m_Button2, &QPushButton::clicked, this, &FotoPage::Button2Click);
    connect(m_Button3, &QPushButton::clicked, this, &FotoPage::Button3Click);
    connect(m_CheckBox3, &QCheckBox::clicked, this, &FotoPage::CheckBox3Click);
    connect(m_Button5, &QPushButton::clicked, this, &FotoPage::Button5Click);
    connect(m_Button6, &QPushButton::clicked, this, &FotoPage::Button6Click);
    connect(m_ComboBox2, &QComboBox::currentTextChanged, this, &FotoPage::regionChosen);
    connect(m_MaskEdit2, &zuv::widgets::MaskEdit::exited, this, [this] { m_bioPage.MaskEdit1Exit(); });
    nameForAssistiveTechnology();

    m_scaler.capture(m_Panel1, designSize());
    resize(designSize());
}

void FotoPage::nameForAssistiveTechnology()
{
    // A screen reader calls a field by its caption (without the accelerator's "&"); an
    // editable box's own edit line is a field of its own and needs the name as well.
    const std::pair<QWidget*, QLabel*> captioned[] = {
        {m_MaskEdit2, m_Label5}, {m_ComboBox2, m_Label2}, {m_ComboBox2->lineEdit(), m_Label2},
        {m_ComboBox1, m_Label1}, {m_ComboBox1->lineEdit(), m_Label1},
        {m_LabeledEdit2, m_LabeledEdit2Label}};
    for (const auto& [control, caption] : captioned)
        control->setAccessibleName(caption->text().remove(QLatin1Char('&')));
}

void FotoPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_Panel1->setGeometry(rect());
    m_scale = m_scaler.apply(size());
}

// The dialogs are made on first use: building a file dialog costs more than the whole page.
QFileDialog& FotoPage::OpenPictureDialog1()
{
    if (!m_OpenPictureDialog1) {
        m_OpenPictureDialog1 = new QFileDialog(this, tr("Öffnen"));
        m_OpenPictureDialog1->setObjectName(QStringLiteral("OpenPictureDialog1"));
        m_OpenPictureDialog1->setOption(QFileDialog::DontUseNativeDialog);
        m_OpenPictureDialog1->setFileMode(QFileDialog::ExistingFile);
        m_OpenPictureDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        m_OpenPictureDialog1->setNameFilters(pictures::pictureNameFilters());
    }
    return *m_OpenPictureDialog1;
}

void FotoPage::showEvent(QShowEvent* event)
{
    // The illustration is decoded when the page is first seen, not at program start.
    if (m_Image1->pixmap().isNull())
        m_Image1->setPixmap(QPixmap(QStringLiteral(":/photocalendar/illustration.jpg")));
    QWidget::showEvent(event);
}

void FotoPage::initialise(const QDate& today)
{
    m_UpDown1->setPosition(today.year());
    m_ComboBox1->setCurrentIndex(today.month() - 1);
    m_restoring = true;
    m_ComboBox2->clear();
    // The federal states, then Austria and its states, as the year calendar offers them.
    for (const zuv::dates::Region& region : zuv::dates::yearCalendarRegions())
        m_ComboBox2->addItem(QString::fromUtf8(region.name.data(), qsizetype(region.name.size())));
    m_ComboBox2->setCurrentIndex(0);
    restoreMemory();
    m_restoring = false;
    m_choices = loadFotoPageChoices();
    showChoices();
}

void FotoPage::pictureButton(QLabel* label)
{
    if (!label->text().isEmpty()) {
        label->clear();
        return;
    }
    if (!m_pictureDialogFile.isEmpty())
        OpenPictureDialog1().selectFile(m_pictureDialogFile);
    if (dialogs().exec(OpenPictureDialog1()) == QDialog::Accepted) {
        const QString chosen = OpenPictureDialog1().selectedFiles().value(0);
        // A picture the page cannot show is named now, not at "Vorschau", and not taken.
        if (const QString problem = checkChosenPicture(chosen); !chosen.isEmpty() && !problem.isEmpty()) {
            dialogs().error(this, problem);
            return;
        }
        if (!chosen.isEmpty())
            m_pictureDialogFile = QDir::cleanPath(chosen);
    }
    label->setText(m_pictureDialogFile);
}

void FotoPage::Button1Click() { pictureButton(m_Bild1); }
void FotoPage::Button2Click() { pictureButton(m_Bild2); }
void FotoPage::Button3Click() { pictureButton(m_Bild3); }

void FotoPage::CheckBox3Click()
{
    const bool on = m_CheckBox3->isChecked();
    m_Label5->setVisible(on);
    m_MaskEdit2->setVisible(on);
    if (on)
        m_MaskEdit2->setFocus();
}

QString FotoPage::bildabmessungenText()
{
    return tr("Bild - Abmessungen:\r\n1 x 377 hoch,  609 breit oder\r\n"
              "1 x 297 hoch,  609 breit oder\r\n3 x 297 hoch,  201 breit\r\n"
              "Bei anderen Abmessungen werden die Bilder\r\n"
              "entweder vergrössert, oder verkleinert.");
}

void FotoPage::Bildabessungen1Click()
{
    dialogs().information(this, bildabmessungenText());
}

void FotoPage::Button6Click()
{
    if (m_showFirstPage)
        m_showFirstPage();
    try {
        m_report.close();
    } catch (...) {
    }
}

std::optional<int> FotoPage::checkedEntry(QComboBox* box, const QString& refusal)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    const std::optional<int> index = entryIndex(entries, box->currentText());
    if (!index) {
        dialogs().information(this, refusal.arg(box->currentText()));
        box->setFocus();
    }
    return index;
}

QString FotoPage::chosenRegionCode() const
{
    const int index = m_ComboBox2->findText(m_ComboBox2->currentText());
    const auto& regions = zuv::dates::yearCalendarRegions();
    if (index < 0 || index >= int(regions.size()))
        return {};
    const std::string_view code = regions[std::size_t(index)].code;
    return QString::fromUtf8(code.data(), qsizetype(code.size()));
}

bool FotoPage::startBuild()
{
    // 1. Birth date, only with "Mit Zuvododerod"; the page says what is missing rather than
    // doing nothing.
    QString birthText;
    if (m_CheckBox3->isChecked()) {
        birthText = m_MaskEdit2->text();
        if (!zuv::core::IsDate(birthText)) {
            dialogs().information(this, missingBirthDateText(birthText));
            m_MaskEdit2->setFocus();
            return false;
        }
    }
    // 2. State.
    const QString stateText = m_ComboBox2->currentText();
    if (stateText.isEmpty()) {
        dialogs().information(this, tr("Wählen Sie ein Bundesland aus."));
        m_ComboBox2->setFocus();
        return false;
    }
    const std::optional<int> state = checkedEntry(
        m_ComboBox2, tr("\"%1\" ist kein Bundesland der Liste. Wählen Sie ein "
                        "Bundesland aus."));
    if (!state)
        return false;
    const QString region = chosenRegionCode();
    if (const QString refusal = secondRegionRefusal(region, m_choices.secondRegion); !refusal.isEmpty()) {
        dialogs().information(this, refusal);
        m_ComboBox2->setFocus();
        return false;
    }
    // 3. Month.
    const std::optional<int> monthIndex = checkedEntry(
        m_ComboBox1, tr("\"%1\" ist kein Monat der Liste. Wählen Sie einen Monat aus."));
    if (!monthIndex)
        return false;
    const int year = m_UpDown1->position();
    const int month = *monthIndex + 1;

    // 4.-8. The month page with its chart and pictures.
    m_holidayLine.clear();
    MonthPageInput input;
    input.year = year;
    input.month = month;
    const std::string_view code = zuv::dates::yearCalendarRegions()[static_cast<std::size_t>(*state)].code;
    input.regionCode = QString::fromUtf8(code.data(), qsizetype(code.size()));
    input.regionName = stateText;
    // Austrian pages say "Jänner" and "Feber".
    input.monthText = zuv::photo::isAustrianRegion(input.regionCode)
        ? zuv::photo::regionMonthName(month, zuv::photo::MonthNaming::Austrian)
        : m_ComboBox1->currentText();
    input.pictureFiles = {m_Bild1->text(), m_Bild2->text(), m_Bild3->text()};
    input.pictureFit = m_choices.fit;
    input.focus = m_choices.focus;
    if (m_CheckBox3->isChecked())
        input.chart = monthChart(birthText, year, month);
    const bool withChart = !input.chart.isEmpty();
    const int toLoad = picturesToLoad(input.pictureFiles, withChart);
    if (toLoad == 0) {
        showPage(input);
        return false;
    }
    // The pictures are decoded on a worker; the preview opens when they are ready, and the
    // page waits meanwhile with a progress that can be cancelled.
    m_pending = input;
    m_Panel1->setEnabled(false);
    m_progress = new QProgressDialog(tr("Die Bilder werden geladen ..."), tr("Abbrechen"), 0,
                                     toLoad, this);
    m_progress->setObjectName(QStringLiteral("BilderLaden"));
    m_progress->setWindowTitle(tr("Vorschau"));
    m_progress->setMinimumDuration(400);
    m_progress->setValue(0);
    auto* watcher = new QFutureWatcher<PagePictures>(this);
    connect(watcher, &QFutureWatcher<PagePictures>::progressValueChanged, m_progress,
            &QProgressDialog::setValue);
    connect(m_progress, &QProgressDialog::canceled, watcher, &QFutureWatcher<PagePictures>::cancel);
    connect(watcher, &QFutureWatcher<PagePictures>::finished, this,
            [this, watcher] { picturesLoaded(watcher); });
    watcher->setFuture(loadPagePicturesAsync(input.pictureFiles, withChart, input.pictureFit));
    return true;
}

void FotoPage::picturesLoaded(QFutureWatcher<PagePictures>* watcher)
{
    const QFuture<PagePictures> future = watcher->future();
    watcher->deleteLater();
    if (m_progress) {
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    m_Panel1->setEnabled(true);
    zuv::core::guarded(this, [this, &future] {
        const bool cancelled = future.isCanceled() || future.resultCount() == 0;
        const PagePictures loaded = cancelled ? PagePictures() : future.result();
        if (cancelled || !loaded.error.isEmpty()) {
            // As after a preview: the chart's colours come back and the grid stays empty.
            m_report.QRBildkalenderAfterPreview();
            if (!loaded.error.isEmpty())
                throw zuv::core::Error(loaded.error);
            return;
        }
        m_pending.loaded = loaded.pictures;
        showPage(m_pending, loaded.ownSizes);
    });
    m_pending = {};
    endBuild();
}

void FotoPage::showPage(const MonthPageInput& input, const std::vector<QSizeF>& ownSizes)
{
    // The calendar files are read afresh for every page: they may have changed. Their
    // problems go under the preview; the good events still count.
    const QDate first(input.year, input.month, 1);
    const auto appointments = m_choices.appointmentFiles.isEmpty()
        ? zuv::exchange::IcsResult()
        : zuv::exchange::readIcsFiles(m_choices.appointmentFiles, first,
                                      first.addDays(first.daysInMonth() - 1));
    const zuv::daymarks::MarkOptions marks{m_choices.moonPhases, m_choices.secondRegion,
                                           m_choices.bridgeDays};
    const MonthPage monthPage = buildMarkedMonthPage(input, marks, appointments.appointments);
    QStringList notes = softPictureNotes(monthPage, ownSizes, input.monthText.trimmed());
    for (const zuv::exchange::IcsMessage& m : appointments.messages)
        notes << m.toString();
    m_report.setNotes(notes);
    // The grid table holds the page's rows while it is shown; a build starts from an empty one.
    if (!m_CLDBildkalender.isEmpty())
        m_CLDBildkalender.emptyTable();
    appendGrid(m_CLDBildkalender, gridOf(monthPage));
    m_holidayLine = monthPage.holidayLine;
    // 9. Preview; returns when it is closed.
    m_report.preview(monthPage);
}

pictures::ReportPicture FotoPage::monthChart(const QString& birthText, int year, int month)
{
    // The biorhythm month in print colours for the calendar's month; it is copied to the
    // clipboard as well, as a picture and as a drawing.
    const QDate firstDay(year, month, 1);
    const QDate lastDay(year, month, firstDay.daysInMonth());
    zuv::bio::BioMonthModel& bio = m_bioPage.monthModel();
    bio.enterBirthDate(birthText);
    const QDate birth = zuv::core::parseDate(birthText).value_or(QDate());
    m_bioPage.BiorhtClick(year, month, firstDay, lastDay, birth, zuv::bio::ChartColours::Print);
    // The copy keeps the size and proportions the chart has on the biorhythm page.
    zuv::bio::MonthChartOptions options = bio.options();
    options.contentScale = bio.chartContentScale();
    QSize size = bio.chartSize();
    if (size.width() < 50 || size.height() < 50)
        size = chartSlot(true).size().toSize();
    auto* mime = new QMimeData;
    mime->setImageData(zuv::bio::monthChartImage(bio.month(), options, size));
    mime->setData(QStringLiteral("image/svg+xml"), chartSvg(bio.month(), options, size));
    QApplication::clipboard()->setMimeData(mime);
    return pictures::ReportPicture::fromPicture(zuv::bio::monthChartPicture(bio.month(), options, size), size);
}

void FotoPage::Button5Click()
{
    if (m_building)
        return;   // the previous build still loads its pictures or shows its preview
    m_building = true;
    bool loading = false;
    zuv::core::guarded(this, [this, &loading] { loading = startBuild(); });
    if (!loading)
        endBuild();
}

void FotoPage::endBuild()
{
    m_building = false;
    // 10. Always back in the program folder, whatever happened.
    QDir::setCurrent(zuv::core::programFolder());
}

} // namespace zuv::photo
