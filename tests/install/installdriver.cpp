// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Drives an installed zuvododerod from inside: loaded with LD_PRELOAD, it starts with the
// program's QApplication and, through the public Qt API and the windows' object names
// only, checks what a user sees, adds or looks for a name and closes the window.
//
// Environment: ZUV_DRIVER_MODE "save" (add the name through the name-list window) or
// "check" (the name is in the name box); ZUV_DRIVER_NAME the name; ZUV_DRIVER_REPORT the
// file that receives one line per check, "ok <check>" or "FEHLER <check>: <detail>".
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

namespace {

struct Driver {
    QString mode;
    QString name;
    QString reportPath;
    QStringList lines;
    int step = 0;
    int ticks = 0;

    void pass(const QString& check) { lines << QStringLiteral("ok ") + check; }
    void fail(const QString& check, const QString& detail)
    {
        lines << QStringLiteral("FEHLER %1: %2").arg(check, detail);
    }
    void expect(bool ok, const QString& check, const QString& detail)
    {
        ok ? pass(check) : fail(check, detail);
    }
    void writeReport()
    {
        QFile file(reportPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text))
            file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
};

Driver* g_driver = nullptr;

template <typename T>
T* topLevel(const char* objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && w->objectName() == QLatin1String(objectName))
            return t;
    }
    return nullptr;
}

// Every message box is an error for this run: it is recorded and answered.
void answerMessageBoxes(Driver& d)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            d.fail(QStringLiteral("Meldung"), box->text());
            box->done(QMessageBox::Ok);
        }
    }
}

bool hasPicture(const QLabel* label)
{
    return label && label->isVisibleTo(label->window()) && !label->pixmap().isNull();
}

void checkPages(Driver& d, QMainWindow& main)
{
    d.pass(QStringLiteral("Fenster"));
    const bool picture = hasPicture(main.findChild<QLabel*>(QStringLiteral("Image2")))
                         || hasPicture(main.findChild<QLabel*>(QStringLiteral("Image3")));
    d.expect(picture, QStringLiteral("Sternzeichenbild"), QStringLiteral("kein Bild geladen"));

    auto* richEdit = main.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    const QString zodiacText = richEdit ? richEdit->toPlainText() : QString();
    d.expect(zodiacText.size() > 100, QStringLiteral("Sternzeichentext"),
             QStringLiteral("Text fehlt (%1 Zeichen)").arg(zodiacText.size()));

    if (auto* general = main.findChild<QAction*>(QStringLiteral("Allgemeines1")))
        general->trigger();
    const QString generalText = richEdit ? richEdit->toPlainText() : QString();
    d.expect(generalText.size() > 100 && generalText != zodiacText,
             QStringLiteral("Allgemeiner Text"), QStringLiteral("Text nicht geladen"));

    if (auto* contents = main.findChild<QAction*>(QStringLiteral("Inhalt1")))
        contents->trigger();
    auto* help = topLevel<QWidget>("HelpWindow");
    auto* browser = help ? help->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser")) : nullptr;
    // The page comes from the installed file, not the "not available" page put in its place.
    const bool helpShown = help && help->isVisible() && browser
                           && browser->source().isLocalFile()
                           && QFileInfo(browser->source().toLocalFile()).isFile()
                           && browser->toPlainText().size() > 100;
    d.expect(helpShown, QStringLiteral("Hilfe"), QStringLiteral("Hilfeseite nicht angezeigt"));
    if (help)
        help->close();
}

bool nameBoxHolds(QMainWindow& main, const QString& name)
{
    auto* box = main.findChild<QComboBox*>(QStringLiteral("ComboBox3"));
    return box && box->findText(name) >= 0;
}

void addName(Driver& d, QMainWindow& main)
{
    // The window is made when the name link under the name box is first used.
    if (QObject* link = main.findChild<QObject*>(QStringLiteral("StaticText5")))
        QMetaObject::invokeMethod(link, "clicked");
    auto* window = topLevel<QDialog>("TForm3");
    auto* grid = window ? window->findChild<QTableView*>(QStringLiteral("DBGrid1")) : nullptr;
    auto* close = window ? window->findChild<QPushButton*>(QStringLiteral("Button1")) : nullptr;
    if (!grid || !grid->model() || !close) {
        d.fail(QStringLiteral("Namensliste"), QStringLiteral("Fenster nicht gefunden"));
        return;
    }
    window->show();
    QAbstractItemModel* model = grid->model();
    const int newRow = model->rowCount() - 1;   // the trailing row takes new entries
    const bool set = model->setData(model->index(newRow, 0), d.name)
                     && model->setData(model->index(newRow, 1), QStringLiteral("14.03.1980"));
    close->click();   // posts the new row and closes the window
    d.expect(set && nameBoxHolds(main, d.name), QStringLiteral("Name gespeichert"),
             QStringLiteral("\"%1\" fehlt im Namensfeld").arg(d.name));
}

void tick()
{
    Driver& d = *g_driver;
    answerMessageBoxes(d);
    auto* main = topLevel<QMainWindow>("TForm1");
    if (++d.ticks > 1500) {   // 30 s at 20 ms: the window never came up
        d.fail(QStringLiteral("Zeit"), QStringLiteral("Schritt %1 nicht erreicht").arg(d.step));
        d.writeReport();
        QCoreApplication::exit(3);
        return;
    }
    if (!main || !main->isVisible())
        return;
    switch (d.step++) {
    case 0:
        break;   // one more turn of the event loop: the first refresh is drawn
    case 1:
        checkPages(d, *main);
        break;
    case 2:
        if (d.mode == QLatin1String("save"))
            addName(d, *main);
        else
            d.expect(nameBoxHolds(*main, d.name), QStringLiteral("Name gefunden"),
                     QStringLiteral("\"%1\" fehlt im Namensfeld").arg(d.name));
        break;
    case 3:
        main->close();   // the program writes its tables back and ends
        break;
    default:
        break;
    }
}

void startDriver()
{
    // The metafile helper and anything else the program starts run without the driver.
    qunsetenv("LD_PRELOAD");
    const QString mode = qEnvironmentVariable("ZUV_DRIVER_MODE");
    if (mode.isEmpty() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    g_driver = new Driver;
    g_driver->mode = mode;
    g_driver->name = qEnvironmentVariable("ZUV_DRIVER_NAME");
    g_driver->reportPath = qEnvironmentVariable("ZUV_DRIVER_REPORT");
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { g_driver->writeReport(); });
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] { tick(); });
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
