// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearwindow.h"

#include "beforebirth.h"
#include "birthdaysave.h"
#include "dialogs.h"
#include "germandate.h"
#include "icsreader.h"
#include "monthpicturearea.h"
#include "yearthumbnails.h"
#include "yearwindowmemory.h"
#include "yearexchange.h"
#include "yearprintpanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QThread>
#include <QVBoxLayout>

namespace zuv::yearcal {

using zuv::core::dialogs;
using zuv::core::guarded;

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A printer gets the trimmed page; bleed and crop marks are for the print shop's PDF.
QPageSize printerPage(const zuv::photo::PrintSheet& sheet)
{
    static const std::pair<zuv::photo::Paper, QPageSize::PageSizeId> kPapers[] = {
        {zuv::photo::Paper::A4, QPageSize::A4},
        {zuv::photo::Paper::A3, QPageSize::A3},
        {zuv::photo::Paper::A5, QPageSize::A5},
    };
    for (const auto& [paper, id] : kPapers)
        if (paper == sheet.paper)
            return QPageSize(id);
    return QPageSize(QPageSize::A4);
}

QString personText(const Person& p)
{
    return p.name + QStringLiteral(" (") + p.birthDate.toString(QStringLiteral("dd.MM.yyyy"))
        + QLatin1Char(')');
}

} // namespace

YearWindow::YearWindow(QString projectPath, std::function<std::vector<Person>()> people,
                       std::function<zuv::photo::CalendarReport()> design, QWidget* parent)
    : QDialog(parent), m_defaultProjectPath(std::move(projectPath)), m_projectPath(m_defaultProjectPath),
      m_people(std::move(people)),
      m_design(std::move(design))
{
    setObjectName(QStringLiteral("YearWindow"));
    setWindowTitle(tr("Jahreskalender"));
    setModal(false);
    buildControls();
}

YearWindow::~YearWindow()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void YearWindow::buildControls()
{
    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_year = named(new QSpinBox(this), "YearEdit");
    m_year->setRange(1, 9999);
    form->addRow(tr("&Jahr"), yearAndProjectRow());
    m_region = named(new QComboBox(this), "RegionBox");
    for (const Region& r : yearRegions())
        m_region->addItem(r.name, r.code);
    form->addRow(tr("&Region"), m_region);
    m_person = named(new QComboBox(this), "PersonBox");
    form->addRow(tr("&Biorhythmus von"), m_person);
    m_beforeBirth = named(new QLabel(this), "BeforeBirthNote");
    m_beforeBirth->setWordWrap(true);
    m_beforeBirth->hide();
    form->addRow(QString(), m_beforeBirth);
    auto* marks = new QHBoxLayout;
    m_birthdays = named(new QCheckBox(tr("Geb&urtstage"), this), "BirthdaysBox");
    m_criticalDays = named(new QCheckBox(tr("&Kritische Tage"), this), "CriticalDaysBox");
    m_intuitive = named(new QCheckBox(tr("mit intuitivem Rh&ythmus"), this), "IntuitiveBox");
    marks->addWidget(m_birthdays);
    marks->addWidget(m_criticalDays);
    marks->addWidget(m_intuitive);
    marks->addStretch();
    form->addRow(QString(), marks);
    auto* extras = new QHBoxLayout;
    m_moonPhases = named(new QCheckBox(tr("&Mondphasen"), this), "MoonPhasesBox");
    m_bridgeDays = named(new QCheckBox(tr("Br&ückentage"), this), "BridgeDaysBox");
    m_secondRegion = named(new QComboBox(this), "SecondRegionBox");
    m_secondRegion->addItem(tr("(keine zweite Region)"), QString());
    for (const Region& r : yearRegions())
        m_secondRegion->addItem(tr("2. Region: %1").arg(r.name), r.code);
    extras->addWidget(m_moonPhases);
    extras->addWidget(m_bridgeDays);
    extras->addWidget(m_secondRegion);
    extras->addStretch();
    form->addRow(QString(), extras);
    auto* font = new QHBoxLayout;
    QPushButton* fontButton = button(tr("T&itelschrift..."), "TitleFontButton", this);
    m_titleFontLabel = named(new QLabel(this), "TitleFontLabel");
    font->addWidget(fontButton);
    font->addWidget(m_titleFontLabel, 1);
    auto* termine = new QHBoxLayout;
    QPushButton* termineButton = button(tr("&Termine aus Datei..."), "AppointmentsButton", this);
    m_appointmentLabel = named(new QLabel(this), "AppointmentsLabel");
    termine->addWidget(termineButton);
    termine->addWidget(m_appointmentLabel, 1);
    connect(termineButton, &QPushButton::clicked, this, &YearWindow::AppointmentsClick);
    form->addRow(QString(), font);
    form->addRow(QString(), termine);
    top->addLayout(form);

    m_thumbnails = new YearThumbnails(this);
    connect(m_thumbnails, &YearThumbnails::ready, this, &YearWindow::showPictures);
    auto* months = named(new QGroupBox(tr("Bilder (ein bis drei je Monat; Dateien auf einen Monat ziehen)"), this),
                         "MonthsBox");
    auto* grid = new QGridLayout(months);
    m_monthGrid = grid;
    for (int m = 1; m <= 12; ++m) {
        auto* area = new MonthPictureArea(m, months);
        m_areas[static_cast<std::size_t>(m - 1)] = area;
        grid->addWidget(area, (m - 1) / 4, (m - 1) % 4);
        connect(area->button(), &QPushButton::clicked, this, [this, m] { PicturesClick(m); });
        connect(area, &MonthPictureArea::filesDropped, this,
                [this, m](const QStringList& files) { PicturesDropped(m, files); });
        connect(area, &MonthPictureArea::pictureChosen, this, [this](const QString& path) {
            m_printPanel->choosePicture(path);
            showPictures();
        });
    }
    m_folderButton = button(tr("&Ordner übernehmen..."), "FolderButton", this);
    m_folderButton->setToolTip(tr("Die Bilder eines Ordners nach Namen sortiert, eines je Monat ab dem ersten Monat"));
    grid->addWidget(m_folderButton, 3, 0);
    connect(m_folderButton, &QPushButton::clicked, this, &YearWindow::FolderClick);
    top->addWidget(months, 1);
    m_printPanel = new YearPrintPanel(this);
    connect(m_printPanel, &YearPrintPanel::changed, this, &YearWindow::showPictures);
    top->addWidget(m_printPanel);

    auto* actions = new QHBoxLayout;
    m_previewButton = button(tr("&Vorschau..."), "PreviewButton", this);
    m_pdfButton = button(tr("Als &PDF speichern..."), "SavePdfButton", this);
    m_printButton = button(tr("&Drucken..."), "PrintButton", this);
    m_icsButton = button(tr("Als Ka&lenderdatei speichern..."), "SaveIcsButton", this);
    QPushButton* close = button(tr("&Schließen"), "CloseButton", this);
    QPushButton* birthdays = button(tr("&Geburtstagskalender..."), "BirthdayCalendarButton", this);
    actions->addWidget(m_previewButton);
    actions->addWidget(m_pdfButton);
    actions->addWidget(m_printButton);
    actions->addWidget(m_icsButton);
    actions->addWidget(birthdays);
    connect(birthdays, &QPushButton::clicked, this, &YearWindow::BirthdayCalendarClick);
    actions->addStretch();
    actions->addWidget(close);
    top->addLayout(actions);

    m_statusBar = named(new QStatusBar(this), "StatusBar");
    m_statusBar->setSizeGripEnabled(false);
    m_progress = named(new QProgressBar(m_statusBar), "ProgressBar");
    m_cancelButton = button(tr("&Abbrechen"), "CancelButton", m_statusBar);
    m_statusBar->addPermanentWidget(m_progress);
    m_statusBar->addPermanentWidget(m_cancelButton);
    m_progress->hide();
    m_cancelButton->hide();
    top->addWidget(m_statusBar);

    connect(fontButton, &QPushButton::clicked, this, &YearWindow::TitleFontClick);
    connect(m_previewButton, &QPushButton::clicked, this, &YearWindow::PreviewClick);
    connect(m_pdfButton, &QPushButton::clicked, this, &YearWindow::SavePdfClick);
    connect(m_printButton, &QPushButton::clicked, this, &YearWindow::PrintClick);
    connect(m_icsButton, &QPushButton::clicked, this, &YearWindow::SaveIcsClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &YearWindow::CancelClick);
    connect(close, &QPushButton::clicked, this, &YearWindow::CloseClick);
    connect(m_criticalDays, &QCheckBox::toggled, m_intuitive, &QWidget::setEnabled);
    connect(m_year, &QSpinBox::valueChanged, this, &YearWindow::showBeforeBirth);
    connect(m_person, &QComboBox::currentIndexChanged, this, &YearWindow::showBeforeBirth);
}

void YearWindow::showBeforeBirth()
{
    const YearProject p = project();
    const QString note = p.person ? beforeBirthNote(*p.person, p.year) : QString();
    m_beforeBirth->setText(note);
    m_beforeBirth->setVisible(!note.isEmpty());
}

void YearWindow::openProject(int defaultYear, const QString& defaultRegion)
{
    YearProject project;
    project.year = defaultYear;
    const std::optional<Region> region = findRegion(defaultRegion);
    project.regionCode = region ? region->code : yearRegions().front().code;
    if (const std::optional<YearProject> last = openLastProject()) {
        project = *last;
    } else if (QFileInfo::exists(m_projectPath)) {
        try {
            project = loadProject(m_projectPath);
        } catch (const zuv::core::Error& e) {
            dialogs().error(this, e.message() + tr("\nEs wird ein neues Projekt begonnen."));
        }
    }
    setProject(project);
    showProjectPath();
    const YearWindowMemory memory = recallYearWindow();
    if (!memory.geometry.isEmpty())
        restoreGeometry(memory.geometry);
}

void YearWindow::fillPeople(const std::optional<Person>& selected)
{
    m_personList.clear();
    if (m_people)
        for (const Person& p : m_people())
            if (p.birthDate.isValid() && !p.name.trimmed().isEmpty())
                m_personList.push_back(p);
    // A person of the project who left the name list stays choosable.
    if (selected && std::find(m_personList.begin(), m_personList.end(), *selected) == m_personList.end())
        m_personList.push_back(*selected);
    m_person->clear();
    m_person->addItem(tr("(niemand)"));
    for (const Person& p : m_personList)
        m_person->addItem(personText(p));
    int index = 0;
    if (selected)
        index = 1 + int(std::find(m_personList.begin(), m_personList.end(), *selected) - m_personList.begin());
    m_person->setCurrentIndex(index);
}

void YearWindow::setProject(const YearProject& project)
{
    m_year->setValue(project.year);
    const int region = m_region->findData(project.regionCode);
    m_region->setCurrentIndex(std::max(region, 0));
    fillPeople(project.person);
    m_birthdays->setChecked(project.birthdays);
    m_criticalDays->setChecked(project.criticalDays);
    m_intuitive->setChecked(project.intuitive);
    m_intuitive->setEnabled(project.criticalDays);
    m_moonPhases->setChecked(project.moonPhases);
    m_bridgeDays->setChecked(project.bridgeDays);
    m_secondRegion->setCurrentIndex(std::max(m_secondRegion->findData(project.secondRegion), 0));
    m_titleFont = project.titleFont;
    QFont font;
    m_titleFontLabel->setText(!m_titleFont.isEmpty() && font.fromString(m_titleFont)
                                  ? QStringLiteral("%1, %2 pt").arg(font.family()).arg(font.pointSize())
                                  : tr("wie die Monatsseite"));
    m_pictures = project.pictures;
    m_printPanel->setSettings(project.print);
    showPictures();
    m_appointmentFiles = project.appointmentFiles;
    showAppointmentFiles();
}

YearProject YearWindow::project() const
{
    YearProject p;
    p.year = m_year->value();
    p.regionCode = m_region->currentData().toString();
    p.pictures = m_pictures;
    p.print = m_printPanel->settings();
    p.titleFont = m_titleFont;
    const int person = m_person->currentIndex();
    if (person > 0 && person <= static_cast<int>(m_personList.size()))
        p.person = m_personList[static_cast<std::size_t>(person - 1)];
    p.birthdays = m_birthdays->isChecked();
    p.criticalDays = m_criticalDays->isChecked();
    p.intuitive = m_intuitive->isChecked();
    p.appointmentFiles = m_appointmentFiles;
    p.moonPhases = m_moonPhases->isChecked();
    p.bridgeDays = m_bridgeDays->isChecked();
    p.secondRegion = m_secondRegion->currentData().toString();
    return p;
}

void YearWindow::showAppointmentFiles()
{
    QStringList names;
    for (const QString& f : m_appointmentFiles)
        names << QFileInfo(f).fileName();
    m_appointmentLabel->setText(names.isEmpty() ? tr("keine") : names.join(QStringLiteral(", ")));
}

void YearWindow::AppointmentsClick()
{
    guarded(this, [this] {
        QFileDialog dialog(this, tr("Termine aus Kalenderdateien"));
        dialog.setObjectName(QStringLiteral("AppointmentsDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters({tr("Kalenderdateien (*.ics *.ical)"), tr("Alle Dateien (*)")});
        if (dialogs().exec(dialog) != QDialog::Accepted)
            return;
        m_appointmentFiles = dialog.selectedFiles();
        showAppointmentFiles();
        saveProjectQuietly();
        const int year = m_year->value();
        const auto read = zuv::exchange::readIcsFiles(m_appointmentFiles, QDate(year, 1, 1), QDate(year, 12, 31));
        m_statusBar->showMessage(tr("%1 Termine im Jahr %2").arg(read.appointments.size()).arg(year));
        QStringList problems;
        for (const auto& m : read.messages)
            problems << m.toString();
        if (!problems.isEmpty())
            dialogs().information(this, problems.join(QLatin1Char('\n')));
    });
}

void YearWindow::SaveIcsClick()
{
    guarded(this, [this] {
        const YearProject p = project();
        QFileDialog dialog(this, tr("Jahreskalender als Kalenderdatei speichern"));
        dialog.setObjectName(QStringLiteral("IcsDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(tr("Kalenderdateien (*.ics)"));
        dialog.setDefaultSuffix(QStringLiteral("ics"));
        dialog.selectFile(tr("Jahreskalender-%1.ics").arg(p.year));
        if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString path = dialog.selectedFiles().constFirst();
        saveYearIcs(path, p, m_people ? m_people() : std::vector<Person>{}, QDateTime::currentDateTimeUtc());
        m_statusBar->showMessage(tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    });
}

void YearWindow::TitleFontClick()
{
    QFont current = zuv::photo::titleBandFont();
    if (!m_titleFont.isEmpty())
        current.fromString(m_titleFont);
    QFontDialog dialog(current, this);
    dialog.setObjectName(QStringLiteral("TitleFontDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialogs().exec(dialog) != QDialog::Accepted)
        return;
    YearProject p = project();
    p.titleFont = dialog.currentFont().toString();
    setProject(p);
}

YearDocument YearWindow::currentDocument() const
{
    const YearProject p = project();
    // Problems of the files were shown when they were chosen; here they only go on the pages.
    const auto termine = p.appointmentFiles.isEmpty()
        ? zuv::exchange::IcsResult()
        : zuv::exchange::readIcsFiles(p.appointmentFiles, QDate(p.year, 1, 1), QDate(p.year, 12, 31));
    return buildYearDocument(p, m_people ? m_people() : std::vector<Person>{}, termine.appointments);
}

void YearWindow::showProblems(const std::vector<PictureProblem>& problems, int year)
{
    m_problems.clear();
    for (const PictureProblem& p : problems)
        m_problems << problemText(p, year);
    if (!m_problems.isEmpty())
        dialogs().information(this, tr("Diese Bilder fehlen im Kalender:\n\n")
                                        + m_problems.join(QStringLiteral("\n\n")));
}

void YearWindow::PreviewClick()
{
    guarded(this, [this] {
        const YearDocument doc = currentDocument();
        const zuv::photo::CalendarReport design = m_design ? m_design() : zuv::photo::CalendarReport();
        saveProjectQuietly();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(printerPage(doc.print.sheet));
        printer.setFullPage(true);
        QPrintPreviewDialog preview(&printer, this);
        preview.setObjectName(QStringLiteral("YearPreview"));
        preview.setWindowTitle(tr("Jahreskalender %1").arg(doc.cover.year));
        std::vector<PictureProblem> problems;
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
            problems.clear();
            QPainter painter(p);
            printYear(*p, painter, doc, design, problems);
        });
        dialogs().exec(preview);
        showProblems(problems, doc.cover.year);
    });
}

void YearWindow::PrintClick()
{
    guarded(this, [this] {
        const YearDocument doc = currentDocument();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(printerPage(doc.print.sheet));
        printer.setFullPage(true);
        printer.setDocName(tr("Jahreskalender %1").arg(doc.cover.year));
        QPrintDialog dialog(&printer, this);
        dialog.setObjectName(QStringLiteral("YearPrintDialog"));
        if (dialogs().exec(dialog) != QDialog::Accepted)
            return;
        saveProjectQuietly();
        setBusy(true);
        std::vector<PictureProblem> problems;
        QPainter painter(&printer);
        if (!painter.isActive()) {
            setBusy(false);
            throw zuv::core::Error(tr("Der Drucker kann den Auftrag nicht annehmen."));
        }
        // The printer is driven from this thread: events are handled between pages.
        const bool done = printYear(printer, painter, doc, m_design ? m_design() : zuv::photo::CalendarReport(),
                                    problems, [this](int done, int total) {
                                        m_progress->setRange(0, total);
                                        m_progress->setValue(done);
                                        QCoreApplication::processEvents();
                                        return !m_cancel.load();
                                    });
        if (!done)
            printer.abort();
        painter.end();
        setBusy(false);
        showProblems(problems, doc.cover.year);
    });
}

void YearWindow::SavePdfClick()
{
    if (m_thread)
        return;
    guarded(this, [this] {
        const YearDocument doc = currentDocument();
        QFileDialog dialog(this, tr("Jahreskalender als PDF speichern"));
        zuv::core::preparePdfSaveDialog(dialog, QStringLiteral("PdfDialog"));
        dialog.selectFile(tr("Jahreskalender-%1.pdf").arg(doc.cover.year));
        if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString path = dialog.selectedFiles().constFirst();
        saveProjectQuietly();

        // Pages are drawn on a worker thread from values only; the holiday calendar was
        // asked above, on this thread.
        const zuv::photo::CalendarReport design = m_design ? m_design() : zuv::photo::CalendarReport();
        auto result = std::make_shared<std::pair<bool, QString>>(false, QString());
        auto problems = std::make_shared<std::vector<PictureProblem>>();
        setBusy(true);
        m_thread = QThread::create([this, doc, design, path, result, problems] {
            try {
                result->first = writeYearPdf(path, doc, design, *problems, [this](int done, int total) {
                    QMetaObject::invokeMethod(this, [this, done, total] {
                        m_progress->setRange(0, total);
                        m_progress->setValue(done);
                    }, Qt::QueuedConnection);
                    return !m_cancel.load();
                });
            } catch (const zuv::core::Error& e) {
                result->second = e.message();
            } catch (const std::exception& e) {
                result->second = QString::fromUtf8(e.what());
            }
        });
        connect(m_thread, &QThread::finished, this, [this, result, problems, path, year = doc.cover.year] {
            m_thread->deleteLater();
            m_thread = nullptr;
            setBusy(false);
            if (result->second.isEmpty())
                showProblems(*problems, year);
            pdfJobDone(result->first, result->second, path);
        });
        m_thread->start();
    });
}

void YearWindow::BirthdayCalendarClick()
{
    guarded(this, [this] {
        const QString path = saveBirthdayCalendar(this, m_people ? m_people() : std::vector<Person>{},
                                                  m_pictures, m_titleFont);
        if (!path.isEmpty())
            m_statusBar->showMessage(tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    });
}

void YearWindow::pdfJobDone(bool written, const QString& error, const QString& path)
{
    if (!error.isEmpty())
        dialogs().error(this, error);
    else if (written)
        m_statusBar->showMessage(tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    else
        m_statusBar->showMessage(tr("Abgebrochen; nichts gespeichert."));
    emit jobFinished(written);
}

void YearWindow::waitForJob()
{
    if (QThread* t = m_thread) {
        t->wait();
        // Delivers the queued progress and the end of the job.
        QCoreApplication::sendPostedEvents(this);
        QCoreApplication::sendPostedEvents(t);
        QCoreApplication::processEvents();
    }
}

void YearWindow::setBusy(bool busy)
{
    m_cancel = false;
    m_progress->setVisible(busy);
    m_cancelButton->setVisible(busy);
    m_progress->setValue(0);
    for (QPushButton* b : {m_previewButton, m_pdfButton, m_printButton})
        b->setEnabled(!busy);
    if (busy)
        m_statusBar->clearMessage();
}

void YearWindow::CancelClick()
{
    m_cancel = true;
}

} // namespace zuv::yearcal
