// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "helpwindow.h"

#include "windowscale.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zuv::info {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zuvododerod - Hilfe"));
    // Opens at the main window's scale; once shown, its size is the user's.
    const auto openingSize = [this](double) {
        if (!isVisible())
            resize(zuv::widgets::WindowScale::instance().scaled(QSize(680, 560)));
    };
    openingSize(1);
    connect(&zuv::widgets::WindowScale::instance(), &zuv::widgets::WindowScale::changed, this,
            openingSize);

    m_back = new QPushButton(QStringLiteral("&Zurück"), this);
    m_back->setObjectName(QStringLiteral("BackButton"));
    m_forward = new QPushButton(QStringLiteral("&Vorwärts"), this);
    m_forward->setObjectName(QStringLiteral("ForwardButton"));
    m_contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    m_contents->setObjectName(QStringLiteral("ContentsButton"));
    m_close = new QPushButton(QStringLiteral("&Schließen"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to web addresses leave the help; topic links stay inside the window.
    m_browser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QPushButton::clicked, this, [this] { showContents(m_contentsPath); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    // A modeless window has no dialog's Esc; both keys work wherever the focus is inside it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
}

void HelpWindow::showContents(const QString& path)
{
    m_contentsPath = path;
    if (QFileInfo(path).isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        return;
    }
    // Without a page there is nothing to go back or forward to.
    m_browser->clearHistory();
    m_browser->setHtml(missingHelpFileHtml(path));
}

QString missingHelpFileHtml(const QString& path)
{
    return QStringLiteral("<h2>Hilfe nicht verfügbar</h2>"
                          "<p>Die Hilfedatei wurde nicht gefunden:</p>"
                          "<p><b>%1</b></p>"
                          "<p>Sie gehört in den Ordner <b>BioHelp</b> neben dem Programm. "
                          "Bitte installieren Sie das Programm vollständig.</p>")
        .arg(path.toHtmlEscaped());
}

} // namespace zuv::info
