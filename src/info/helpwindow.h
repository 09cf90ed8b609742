// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's help window: a browser for the HTML help pages in BioHelp with back,
// forward and contents buttons. Modeless; the program keeps one (see help.h). It closes
// with its button, Esc and Ctrl+W, as other help viewers do.

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace zuv::info {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window owned by parent (may be nullptr).
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the contents page at path; a missing file is shown as a German message
    // in the window itself.
    void showContents(const QString& path);

    QTextBrowser* browser() const { return m_browser; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* forwardButton() const { return m_forward; }
    QPushButton* contentsButton() const { return m_contents; }
    QPushButton* closeButton() const { return m_close; }
    // The contents page last asked for.
    QString contentsPath() const { return m_contentsPath; }

private:
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_contents = nullptr;
    QPushButton* m_close = nullptr;
    QString m_contentsPath;
};

// The German text shown in place of a help page that does not exist.
QString missingHelpFileHtml(const QString& path);

} // namespace zuv::info
