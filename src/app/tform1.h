// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The main window "Zuvododerod": the two pages, the main menu that follows the page, the
// status bar with its clock, the Enter key that refreshes the biorhythm page, and the four
// tables and the biorhythm month it owns for the run.

#include "biomonthmodel.h"
#include "sizing.h"
#include "table.h"

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace zuv::bio { class BioPage; }
namespace zuv::people { class TForm3; }
namespace zuv::photo { class FotoPage; class TForm10; }
namespace zuv::info { class TAboutBox; }
namespace zuv::yearcal { class YearWindow; }

namespace zuv::app {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and its controls; reads no file. clock gives the current date and
    // time (tests pass a fixed one).
    explicit TForm1(std::function<QDateTime()> clock = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: sizing to the screen, first values, tables opened from the program folder,
    // and the first refresh. Errors reach the error box; the window still opens.
    void FormCreate();
    void FormShow();
    void FormActivate();
    // Enter (character 13) anywhere in the window refreshes the biorhythm page.
    void FormKeyPress(QChar key);
    void Timer1Timer();
    void PageControl1Change();
    void Beenden1Click();

    // Menu handlers that call into the pages and the info subsystem.
    void Druckerauswhlen1Click();
    void Drucken3Click();
    void Allgemeines1Click();
    void Inhalt1Click();
    void Info1Click();
    // "Jahreskalender...": the year calendar window, made on first use.
    void Jahreskalender1Click();
    void Geburtstagskalender1Click();   // from the name-list window
    zuv::yearcal::YearWindow* yearWindow() { return m_yearWindow.get(); }

    zuv::bio::BioPage& bioPage() { return *m_bioPage; }
    // The biorhythm month shown now: the biorhythm page computes it, the other views read it.
    zuv::bio::BioMonthModel& bioMonth() { return m_bioMonth; }
    // Made on first use (the name link, the tests).
    zuv::people::TForm3& nameListWindow();
    // Made on first use: its fonts and the version read from the executable cost start-up time.
    zuv::info::TAboutBox& aboutBox();
    zuv::photo::TForm10& reportWindow() { return *m_report; }
    zuv::photo::FotoPage& fotoPage() { return *m_fotoPage; }
    QTabWidget& pageControl() { return *m_pageControl; }
    QMenu& fotoMenu() { return *m_kalenderMenu; }
    QMenu& zuvododerodMenu() { return *m_zuvododerodMenu; }
    QAction& printAction() { return *m_drucken3; }
    QAction& printerSetupAction() { return *m_druckerauswhlen1; }
    // Ctrl+P on the "Foto Kalender" page: the calendar page's preview.
    QAction& previewShortcut() { return *m_previewShortcut; }
    QString statusText(int panel) const;
    QProgressBar& progressBar() { return *m_progressBar; }
    QRect statusPanelRect(int panel) const;

    // Fits the window into workArea (logical pixels) of a screen with devicePixelRatio
    // physical pixels per logical pixel, centred there: FormCreate does it for the window's
    // screen. Pages, fonts, menu, tab bar and status bar take the factor of sizing().
    void fitToScreen(const QRect& workArea, double devicePixelRatio);
    const Sizing& sizing() const { return m_sizing; }

    zuv::store::Table CLDSBio{QStringLiteral("CLDSBio")};
    zuv::store::Table CLDProzent{QStringLiteral("CLDProzent")};
    zuv::store::Table CLDBildkalender{QStringLiteral("CLDBildkalender")};
    zuv::store::Table CDSNamensliste{QStringLiteral("CDSNamensliste")};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void applySizing();
    // Fonts of menu, tab bar and status bar and the status panels' widths at factor.
    void scaleChrome(double factor);
    // What the window needs besides a page: menu bar, tab bar with its frame, status bar.
    QSize chromeSize();
    void placePages(QSize size);
    QSize frameExtent() const;
    void openTables();
    // The size and state of the last run (kept in zuv::core::settings()), cut to workArea.
    void restoreWindowSettings(const QRect& workArea);
    void saveWindowSettings();
    // Sets the program icon unless it is set; drawn once per run.
    void setProgramIcon();
    QDate today() const;

    std::function<QDateTime()> m_clock;
    zuv::bio::BioMonthModel m_bioMonth;
    QTabWidget* m_pageControl = nullptr;
    zuv::bio::BioPage* m_bioPage = nullptr;
    zuv::photo::FotoPage* m_fotoPage = nullptr;
    // The other three windows, created after the main window, in this order.
    std::unique_ptr<zuv::photo::TForm10> m_report;
    std::unique_ptr<zuv::info::TAboutBox> m_about;
    std::unique_ptr<zuv::people::TForm3> m_nameList;
    std::unique_ptr<zuv::yearcal::YearWindow> m_yearWindow;
    QWidget* m_panel12 = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_panels[3] = {};
    QProgressBar* m_progressBar = nullptr;
    QTimer* m_timer = nullptr;
    Sizing m_sizing;
    // The program icon is set after the first frame (paintEvent).
    bool m_iconAsked = false;
    QMenu* m_dateiMenu = nullptr;
    QMenu* m_zuvododerodMenu = nullptr;
    QMenu* m_kalenderMenu = nullptr;
    QMenu* m_hilfeMenu = nullptr;
    QAction* m_druckerauswhlen1 = nullptr;
    QAction* m_drucken3 = nullptr;
    QAction* m_previewShortcut = nullptr;
};

} // namespace zuv::app
