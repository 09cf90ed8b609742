// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window "Jahreskalender", opened from the "Foto Kalender" page: year, region, one to
// three pictures a month (shown as thumbnails, decoded off this thread; dropped from a file
// manager onto a month, or taken from one folder for the whole year), paper, bleed and first
// month, each picture's fit, the title font and the person of the name list whose biorhythm
// and critical days go on every page. It previews all 13 pages, saves them as one PDF in
// the background (progress bar in its status bar, cancellable, the window stays usable)
// and prints them in one job. The project is saved to its file when the window closes and
// after each output. Other project files are opened and saved through "Projekt öffnen..."
// and "Projekt speichern unter..."; the last one is opened again at the next start.

#include "calendarreport.h"
#include "yearpages.h"
#include "yearproject.h"
#include "yearrender.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>
#include <array>
#include <atomic>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QThread;

namespace zuv::yearcal {

class MonthPictureArea;
class YearPrintPanel;
class YearThumbnails;

class YearWindow : public QDialog {
    Q_OBJECT
public:
    // projectPath: the default project's file. people: the name list as it is now. design:
    // the month page's report, whose fonts the pages take.
    YearWindow(QString projectPath, std::function<std::vector<Person>()> people,
               std::function<zuv::photo::CalendarReport()> design, QWidget* parent = nullptr);
    ~YearWindow() override;

    // Opens the project file last opened or saved (settings); when it is gone or damaged
    // that is reported once and the default project's file is opened instead. Without one
    // (or with a damaged one, which is reported) the window starts with a new project for
    // defaultYear in defaultRegion (a region code; the first region when it is empty or
    // unknown).
    void openProject(int defaultYear, const QString& defaultRegion = {});
    YearProject project() const;          // what the controls show
    void setProject(const YearProject& project);
    const QString& projectPath() const { return m_projectPath; }

    // --- handlers ---
    // "Projekt öffnen...": saves the project shown to its file, then shows the chosen one;
    // a file that is no project is reported and the project shown stays.
    void OpenProjectClick();
    // "Projekt speichern unter...": the project shown goes to the chosen file (written
    // atomically) and is kept there from now on.
    void SaveProjectAsClick();
    void PicturesClick(int month);        // 1..12: chooses 1..3 pictures, or removes them
    void PicturesDropped(int month, const QStringList& files);   // from a file manager
    void FolderClick();                   // "Ordner übernehmen...": one picture a month
    void TitleFontClick();
    void PreviewClick();
    void SavePdfClick();
    void SaveIcsClick();                  // "Als Kalenderdatei speichern..."
    void AppointmentsClick();             // "Termine aus Datei...": files kept in the project
    void PrintClick();
    void CancelClick();
    void CloseClick();
    // Esc ends here too: cancels a running PDF job and saves the project, then hides.
    void reject() override;
    void BirthdayCalendarClick();         // the perpetual birthday calendar as a PDF

    // The background PDF job: running, and waiting for its end (tests).
    bool isBusy() const { return m_thread != nullptr; }
    void waitForJob();
    // Waits for the pictures being checked and the thumbnails asked for so far (tests).
    void waitForPictures();
    const YearThumbnails& thumbnails() const { return *m_thumbnails; }
    // Messages of the last output (pictures that could not be used), one per line.
    const QStringList& lastProblems() const { return m_problems; }

signals:
    void jobFinished(bool written);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // The year's box, then the project file with its buttons (the window is tall enough).
    QWidget* yearAndProjectRow();
    void showProjectPath();
    // The project file last used when it is another than the default one and can be read
    // (m_projectPath then names it); else reports why not, forgets it and gives nullopt.
    std::optional<YearProject> openLastProject();
    // From now on the window's project lives in path, also at the next start.
    void useProjectFile(const QString& path);
    void fillPeople(const std::optional<Person>& selected);
    void showPictures();
    void placeMonthAreas(int firstMonth);   // 1..12
    struct PictureJob {
        int month = 0;                 // the month pictures were added to; 0: a whole folder
        QStringList monthPictures;     // that month's pictures with the added ones
        PictureAddition added;
        QString folder;
        FolderPictureFill fill;        // the folder's pictures
        QString error;                 // the folder could not be read
    };
    // Checks pictures on a worker (each is decoded), then takes them over on this thread.
    void startPictureJob(const QString& message, std::function<PictureJob()> work);
    void pictureJobDone();
    void showAppointmentFiles();
    void saveProjectQuietly();
    void closeDown();
    void showBeforeBirth();
    void setBusy(bool busy);
    void showProblems(const std::vector<PictureProblem>& problems, int year);
    void pdfJobDone(bool written, const QString& error, const QString& path);
    YearDocument currentDocument() const;

    QString m_defaultProjectPath;
    QString m_projectPath;
    QLabel* m_projectLabel = nullptr;
    std::function<std::vector<Person>()> m_people;
    std::function<zuv::photo::CalendarReport()> m_design;
    std::array<QStringList, 12> m_pictures;
    QString m_titleFont;
    std::vector<Person> m_personList;
    QStringList m_problems;

    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};

    QSpinBox* m_year = nullptr;
    QComboBox* m_region = nullptr;
    QComboBox* m_person = nullptr;
    QCheckBox* m_birthdays = nullptr;
    QCheckBox* m_criticalDays = nullptr;
    QCheckBox* m_intuitive = nullptr;
    QLabel* m_beforeBirth = nullptr;
    QCheckBox* m_moonPhases = nullptr;
    QCheckBox* m_bridgeDays = nullptr;
    QComboBox* m_secondRegion = nullptr;
    QLabel* m_titleFontLabel = nullptr;
    QStringList m_appointmentFiles;
    QLabel* m_appointmentLabel = nullptr;
    std::array<MonthPictureArea*, 12> m_areas{};
    QGridLayout* m_monthGrid = nullptr;
    int m_placedFirstMonth = 1;   // the months are placed January first when made
    YearThumbnails* m_thumbnails = nullptr;
    YearPrintPanel* m_printPanel = nullptr;
    QPushButton* m_folderButton = nullptr;
    QFutureWatcher<PictureJob>* m_pictureJob = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_pdfButton = nullptr;
    QPushButton* m_icsButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace zuv::yearcal
