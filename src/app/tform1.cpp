// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tform1.h"

#include "aboutbox.h"
#include "biopage.h"
#include "birthdaysave.h"
#include "datafolder.h"
#include "designfont.h"
#include "designscaler.h"
#include "windowbuffer.h"
#include "windowscale.h"
#include "dialogs.h"
#include "fotopage.h"
#include "germandate.h"
#include "help.h"
#include "monthgrid.h"
#include "namelist.h"
#include "person.h"
#include "printing.h"
#include "programicon.h"
#include "programfolder.h"
#include "settings.h"
#include "sizing.h"
#include "tform10.h"
#include "tform3.h"
#include "windowplacement.h"
#include "yearwindow.h"
#include "yearwindowmemory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace zuv::app {

using zuv::core::guarded;

namespace {

// The icon follows the first frame, or comes this long after the window is shown.
constexpr int kIconAtTheLatestMs = 500;

// The window's font and the status panels' widths at design.
QFont designWindowFont()
{
    return QFont(zuv::core::installedFamily(QStringLiteral("MS Sans Serif")), 8);
}
constexpr int kStatusPanelWidths[3] = {80, 350, 50};

// The tab widget places its pages only once it is shown. Asking its style where a page goes,
// as it will itself, lets the pages get their final size before that, so they lay out and
// load their fonts once instead of at a makeshift size first.
class PageControl : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;
    QRect pageRect(QSize size) const
    {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(0, 0), size);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    }
};

const QString kSizeKey = QStringLiteral("Hauptfenster/Groesse");
const QString kMaximisedKey = QStringLiteral("Hauptfenster/Maximiert");

} // namespace

TForm1::TForm1(std::function<QDateTime()> clock, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Zuvododerod"));
    setFont(designWindowFont());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pageControl = new PageControl(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    // The tab bar shows no focus: it is no tab stop; Ctrl+Tab switches the pages.
    m_pageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    m_pageControl->setAccessibleName(tr("Seiten"));
    layout->addWidget(m_pageControl, 1);
    m_panel12 = new QWidget(central);
    m_panel12->setObjectName(QStringLiteral("Panel12"));
    layout->addWidget(m_panel12);
    setCentralWidget(central);

    m_bioPage = new zuv::bio::BioPage(m_bioMonth, CLDSBio, CLDProzent, CDSNamensliste);
    m_bioPage->setObjectName(QStringLiteral("TabSheet1"));
    m_pageControl->addTab(m_bioPage, QStringLiteral("Zuvododerod"));
    m_bioPage->setAccessibleName(m_pageControl->tabText(0));

    // The report window exists hidden from the start; the name list and the about box are
    // made when first asked for. Each belongs to the main window: it stays in front of it,
    // opens centred on it and has no task-bar entry of its own.
    m_report = std::make_unique<zuv::photo::TForm10>(CLDBildkalender, CLDSBio, *m_bioPage, this);
    // Not made here: its grid and fonts would be built and scaled before the first frame.
    m_bioPage->setNameListMaker([this] { nameListWindow(); });

    m_fotoPage = new zuv::photo::FotoPage(CLDBildkalender, *m_bioPage, *m_report);
    m_fotoPage->setObjectName(QStringLiteral("TabSheet2"));
    m_fotoPage->setShowFirstPage([this] {
        m_pageControl->setCurrentIndex(0);
        PageControl1Change();
    });
    m_pageControl->addTab(m_fotoPage, tr("Foto Kalender"));
    m_fotoPage->setAccessibleName(m_pageControl->tabText(1));
    connect(m_pageControl, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    buildMenus();
    buildStatusBar();
    resize(QSize(kPageDesignSize.width(), kPageDesignSize.height()) + chromeSize());

    // Key preview: the window sees every key before the control with the focus.
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // The windows and pages work on the tables: they go first, the tables last. The year
    // window keeps its project when it closes.
    if (m_yearWindow)
        m_yearWindow->close();
    m_yearWindow.reset();
    m_report.reset();
    m_nameList.reset();
    m_about.reset();
    delete takeCentralWidget();
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, handler] { guarded(this, [&] { handler(); }); });
        return a;
    };
    m_dateiMenu = bar->addMenu(tr("&Datei"));
    m_dateiMenu->setObjectName(QStringLiteral("Datei1"));
    m_druckerauswhlen1 = action(m_dateiMenu, "Druckerauswhlen1", tr("Drucker auswählen"),
                                [this] { Druckerauswhlen1Click(); });
    m_drucken3 = action(m_dateiMenu, "Drucken3", tr("Drucken"), [this] { Drucken3Click(); });
    m_drucken3->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    m_dateiMenu->addSeparator();
    action(m_dateiMenu, "Beenden1", tr("Beenden"), [this] {
        Beenden1Click();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    // Ctrl+P prints the chart on the first page and shows the calendar page's preview on the
    // second; only one of the two is enabled at a time (see PageControl1Change).
    m_previewShortcut = new QAction(this);
    m_previewShortcut->setObjectName(QStringLiteral("VorschauShortcut"));
    m_previewShortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    m_previewShortcut->setEnabled(false);
    addAction(m_previewShortcut);
    connect(m_previewShortcut, &QAction::triggered, this,
            [this] { guarded(this, [this] { m_fotoPage->Button5Click(); }); });

    m_zuvododerodMenu = bar->addMenu(QStringLiteral("Zuvododerod"));
    m_zuvododerodMenu->setObjectName(QStringLiteral("Zuvododerod1"));
    action(m_zuvododerodMenu, "Allgemeines1", tr("Allgemeines"), [this] { Allgemeines1Click(); });

    m_kalenderMenu = bar->addMenu(tr("&Foto Kalender"));
    m_kalenderMenu->setObjectName(QStringLiteral("Kalender1"));
    zuv::photo::FotoPage* page = m_fotoPage;
    action(m_kalenderMenu, "Bildabessungen1", tr("Bildabessungen"), [page] { page->Bildabessungen1Click(); });
    action(m_kalenderMenu, "Jahreskalender1", tr("Jahreskalender..."), [this] { Jahreskalender1Click(); });
    QAction* year = m_fotoPage->PopupMenu1()->addAction(tr("Jahreskalender..."));
    year->setObjectName(QStringLiteral("Jahreskalender2"));
    connect(year, &QAction::triggered, this, [this] { guarded(this, [this] { Jahreskalender1Click(); }); });
    QMenu* fonts = m_kalenderMenu->addMenu(tr("Schriftart"));
    fonts->setObjectName(QStringLiteral("Schriftart1"));
    action(fonts, "SchriftartTitel1", tr("Titel"), [page] { page->SchriftartTitel1Click(); });
    action(fonts, "SchriftartWochentage1", tr("Wochentage"), [page] { page->SchriftartWochentage1Click(); });
    action(fonts, "SchriftartTageszahlen1", tr("Tageszahlen"),
           [page] { page->SchriftartTageszahlen1Click(); });
    fonts->addSeparator();
    action(fonts, "Standard1", tr("Standard"), [page] { page->Standard1Click(); });
    page->addCalendarMenuEntries(m_kalenderMenu);
    m_kalenderMenu->menuAction()->setVisible(false);

    m_hilfeMenu = bar->addMenu(tr("Hilfe"));
    m_hilfeMenu->setObjectName(QStringLiteral("Hilfe1"));
    action(m_hilfeMenu, "Inhalt1", tr("Inhalt"), [this] {
        Inhalt1Click();
    })->setShortcut(QKeySequence(Qt::Key_F1));
    action(m_hilfeMenu, "Info1", tr("Info"), [this] { Info1Click(); });
}

void TForm1::buildStatusBar()
{
    auto* layout = new QVBoxLayout(m_panel12);
    layout->setContentsMargins(0, 0, 0, 0);
    m_statusBar = new QStatusBar(m_panel12);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    layout->addWidget(m_statusBar);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(m_statusBar);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFixedWidth(kStatusPanelWidths[i]);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_statusBar->addWidget(m_panels[i]);
    }
    m_panels[0]->setAlignment(Qt::AlignCenter);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer1Timer(); });
    m_timer->start();
}

QDate TForm1::today() const
{
    return m_clock().date();
}

void TForm1::scaleChrome(double factor)
{
    setFont(zuv::widgets::scaleFont(designWindowFont(), factor));
    for (int i = 0; i < 3; ++i)
        m_panels[i]->setFixedWidth(std::max(1, int(std::lround(kStatusPanelWidths[i] * factor))));
}

QSize TForm1::chromeSize()
{
    // Layouts keep their size hints until the event loop runs: new fonts need them afresh.
    for (QLayout* layout : findChildren<QLayout*>())
        layout->invalidate();
    const QSize probe(1000, 1000);
    const QSize tabs = probe - static_cast<PageControl*>(m_pageControl)->pageRect(probe).size();
    const int height = menuBar()->sizeHint().height() + tabs.height()
        + m_panel12->sizeHint().height();
    return {std::max(0, tabs.width()), height};
}

void TForm1::placePages(QSize size)
{
    // Where the tab widget will put them when it is shown: they take their size once.
    if (auto* stack = m_pageControl->findChild<QStackedWidget*>())
        stack->resize(size);
    for (QWidget* page : {static_cast<QWidget*>(m_bioPage), static_cast<QWidget*>(m_fotoPage)})
        page->resize(size);
}

QSize TForm1::frameExtent() const
{
    const QSize known = frameGeometry().size() - geometry().size();
    return known.isEmpty() ? kFrameEstimate : known.expandedTo(kFrameEstimate);
}

void TForm1::fitToScreen(const QRect& workArea, double devicePixelRatio)
{
    const QSize frame = frameExtent();
    // The chrome grows with its fonts: measure it at the design fonts and again at the
    // factor that gives, and keep the smaller factor, which fits with either.
    scaleChrome(1.0);
    const double first = fitFactor(workArea.size(), frame, chromeSize());
    scaleChrome(first);
    const double factor = std::min(first, fitFactor(workArea.size(), frame, chromeSize()));
    scaleChrome(factor);
    zuv::widgets::WindowScale::instance().set(designWindowFont(), factor);
    const QSize chrome = chromeSize();
    m_sizing = sizingFor(factor, chrome, devicePixelRatio);
    for (QWidget* page : {static_cast<QWidget*>(m_bioPage), static_cast<QWidget*>(m_fotoPage)})
        page->setMinimumSize(m_sizing.minimumPage);
    resize(m_sizing.window);
    placePages(m_sizing.window - chrome);
    // A Wayland compositor places windows itself and ignores a move.
    if (!zuv::core::platformPlacesWindows(QGuiApplication::platformName()))
        return;
    const QSize outer = m_sizing.window + frame;
    move(workArea.topLeft()
         + QPoint((workArea.width() - outer.width()) / 2, (workArea.height() - outer.height()) / 2));
}

void TForm1::applySizing()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const bool workAreaKnown = zuv::core::platformPlacesWindows(QGuiApplication::platformName());
    fitToScreen(usableArea(screen->availableGeometry(), workAreaKnown), screen->devicePixelRatio());
}

void TForm1::openTables()
{
    // Each table on its own: a refused calendar grid must not keep the names closed.
    guarded(this, [this] {
        zuv::store::openOrCreate(CLDBildkalender, zuv::store::userDataPath(QStringLiteral("Bildkalender")),
                                zuv::photo::bildkalenderFields(), zuv::store::TableRole::Recomputed);
        CLDBildkalender.emptyTable();
    });
    guarded(this, [this] {
        CDSNamensliste.setRowLevelWrites(true);
        const zuv::store::OpenReport report = zuv::store::openOrCreate(
            CDSNamensliste, zuv::store::userDataPath(QStringLiteral("Namensliste")),
            zuv::people::nameListFields());
        if (!report.message.isEmpty())
            zuv::core::dialogs().information(this, report.message);
    });
}

void TForm1::restoreWindowSettings(const QRect& workArea)
{
    const zuv::core::Settings& kept = zuv::core::settings();
    // A size from a larger screen is cut to this one; the minimum holds anyway.
    const QSize size = kept.size(kSizeKey);
    if (size.isValid())
        resize(size.boundedTo(workArea.size() - frameExtent()).expandedTo(minimumSizeHint()));
    if (kept.boolean(kMaximisedKey, false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::saveWindowSettings()
{
    zuv::core::Settings& kept = zuv::core::settings();
    const bool maximised = isMaximized() || isFullScreen();
    // The size to come back to from maximised, not the screen's.
    kept.set(kSizeKey, maximised ? normalGeometry().size() : size());
    kept.set(kMaximisedKey, maximised);
    kept.sync();
}

void TForm1::FormCreate()
{
    // The panels are measured with their texts: an empty label is lower.
    Timer1Timer();
    applySizing();
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        restoreWindowSettings(usableArea(screen->availableGeometry(),
                                         zuv::core::platformPlacesWindows(QGuiApplication::platformName())));
    }
    m_bioPage->setMarker(QColor(0xFF, 0xFF, 0x00), Qt::SolidLine);
    const QDate now = today();
    openTables();
    m_fotoPage->initialise(now);
    m_bioPage->initialise(now);
    m_pageControl->setCurrentIndex(0);
    PageControl1Change();
    guarded(this, [&] { m_bioPage->Button4Click(); });
}

void TForm1::FormShow()
{
    const QRect r = statusPanelRect(2);
    m_progressBar->setParent(m_statusBar);
    m_progressBar->setGeometry(r);
    m_progressBar->show();
}

QRect TForm1::statusPanelRect(int panel) const
{
    const QLabel* label = m_panels[panel];
    return QRect(label->mapTo(m_statusBar, QPoint(0, 0)), label->size());
}

void TForm1::FormActivate()
{
    QWidget* field = m_bioPage->MaskEdit1();
    if (field && field->isVisible() && field->isEnabled())
        field->setFocus();
}

void TForm1::FormKeyPress(QChar key)
{
    if (key.unicode() == 13)
        guarded(this, [&] { m_bioPage->Button4Click(); });
}

void TForm1::Timer1Timer()
{
    const QDateTime now = m_clock();
    m_panels[0]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    m_panels[1]->setText(zuv::core::todayStatusText(now.date()));
}

QString TForm1::statusText(int panel) const
{
    return m_panels[panel]->text();
}

void TForm1::PageControl1Change()
{
    const bool first = m_pageControl->currentIndex() == 0;
    m_kalenderMenu->menuAction()->setVisible(!first);
    m_druckerauswhlen1->setEnabled(first);
    m_drucken3->setEnabled(first);
    m_previewShortcut->setEnabled(!first);
    m_zuvododerodMenu->menuAction()->setVisible(first);
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::Druckerauswhlen1Click()
{
    zuv::info::Druckerauswhlen1Click(this);
}

void TForm1::Drucken3Click()
{
    // Say where the page went: a PDF file lands where nobody looks otherwise.
    if (zuv::info::Drucken3Click(*m_bioPage))
        m_statusBar->showMessage(zuv::info::printedToText(zuv::info::currentPrinter()), 15000);
}

void TForm1::Allgemeines1Click()
{
    zuv::info::Allgemeines1Click(*m_bioPage->RichEdit1());
}

void TForm1::Inhalt1Click()
{
    zuv::info::Inhalt1Click(this);
}

zuv::people::TForm3& TForm1::nameListWindow()
{
    if (!m_nameList) {
        m_nameList = std::make_unique<zuv::people::TForm3>(CDSNamensliste, this);
        connect(m_nameList.get(), &zuv::people::TForm3::birthdayCalendarRequested, this,
                [this] { Geburtstagskalender1Click(); });
        m_bioPage->setNameListWindow(m_nameList.get());
    }
    return *m_nameList;
}

zuv::info::TAboutBox& TForm1::aboutBox()
{
    if (!m_about) {
        m_about = std::make_unique<zuv::info::TAboutBox>(this);
        m_about->FormCreate(QCoreApplication::applicationFilePath());
    }
    return *m_about;
}

void TForm1::Info1Click()
{
    zuv::info::Info1Click(aboutBox());
}

void TForm1::Geburtstagskalender1Click()
{
    // The year project's pictures and title font, when there is a project.
    zuv::yearcal::YearProject project;
    try {
        // The project the year window shows or last showed.
        QString path = m_yearWindow ? m_yearWindow->projectPath() : zuv::yearcal::recallYearWindow().lastProject;
        if (!QFileInfo::exists(path))
            path = zuv::store::userDataPath(zuv::yearcal::kProjectFileName);
        if (QFileInfo::exists(path))
            project = zuv::yearcal::loadProject(path);
    } catch (const zuv::core::Error&) {
        // A damaged project only costs the pictures; the year window reports it.
    }
    QWidget* asking = m_nameList ? static_cast<QWidget*>(m_nameList.get()) : this;
    zuv::yearcal::saveBirthdayCalendar(asking, zuv::yearcal::peopleOf(CDSNamensliste),
                                       project.pictures, project.titleFont);
}

void TForm1::Jahreskalender1Click()
{
    if (!m_yearWindow) {
        m_yearWindow = std::make_unique<zuv::yearcal::YearWindow>(
            zuv::store::userDataPath(zuv::yearcal::kProjectFileName),
            [this] { return zuv::people::peopleOf(CDSNamensliste); },
            // The pages take the fonts the month page's report has now.
            [this] { return m_report->QRBildkalender; }, this);
        // A first year calendar is for the region the photo page shows.
        m_yearWindow->openProject(today().year(), m_fotoPage->chosenRegionCode());
    }
    m_yearWindow->show();
    m_yearWindow->raise();
    m_yearWindow->activateWindow();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: every key typed into the window reaches the window's QWindow once, before
    // the control with the focus. Watching the controls instead would see a key again while
    // it travels to their parents, and a message box opened by the refresh leaves no focus
    // widget to tell the first delivery from the later ones.
    if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            FormKeyPress(QChar(13));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FormShow();
    // One call instead of a page fault for each 4 KiB of the first paint.
    zuv::widgets::mapWindowBuffer(*this);
    // A window that is not painted soon (shown minimised) still gets its icon.
    QTimer::singleShot(kIconAtTheLatestMs, this, [this] { setProgramIcon(); });
}

void TForm1::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // The icon, drawn at five sizes, is for the title bar and the task bar, which the
    // window system draws: it follows the window's first frame instead of delaying it.
    if (!m_iconAsked) {
        m_iconAsked = true;
        QTimer::singleShot(0, this, [this] { setProgramIcon(); });
    }
}

void TForm1::setProgramIcon()
{
    if (windowIcon().cacheKey() != zuv::info::programIcon().cacheKey())
        setWindowIcon(zuv::info::programIcon());
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The other windows go with the main window; the tables are written back.
    if (m_nameList)
        m_nameList->close();
    // Closing the report window refreshes the biorhythm page; only an open one needs it.
    if (m_report->isVisible())
        m_report->close();
    // Each table on its own, so one failing write-back cannot keep the names from theirs.
    for (zuv::store::Table* t : {&CLDSBio, &CLDProzent, &CLDBildkalender, &CDSNamensliste})
        guarded(this, [t] { t->close(); });
    saveWindowSettings();
    event->accept();
}

} // namespace zuv::app
