// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year window's project file: which one is shown, opening another, saving under another
// name, the last one at the next start, and saving when the window closes.
#include "yearwindow.h"

#include "dialogs.h"
#include "yearwindowmemory.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QThread>

namespace zuv::yearcal {

using zuv::core::dialogs;
using zuv::core::guarded;

namespace {

void prepareProjectDialog(QFileDialog& dialog, const char* name, const QString& current)
{
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({YearWindow::tr("Jahreskalender-Projekte (*.json)"), YearWindow::tr("Alle Dateien (*)")});
    dialog.setDirectory(QFileInfo(current).absolutePath());
}

} // namespace

QWidget* YearWindow::yearAndProjectRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_year);
    layout->addStretch(1);
    // "&Jahr" leads here: the row hands the focus on to the year, which a screen reader
    // no longer finds named by that caption.
    row->setFocusProxy(m_year);
    m_year->setAccessibleName(tr("Jahr"));
    m_projectLabel = new QLabel(row);
    m_projectLabel->setObjectName(QStringLiteral("ProjectLabel"));
    auto* open = new QPushButton(tr("Projekt &öffnen..."), row);
    open->setObjectName(QStringLiteral("OpenProjectButton"));
    auto* saveAs = new QPushButton(tr("Projekt speic&hern unter..."), row);
    saveAs->setObjectName(QStringLiteral("SaveProjectAsButton"));
    layout->addWidget(m_projectLabel);
    // Enter in the year's box is no wish for a file dialog.
    for (QPushButton* b : {open, saveAs}) {
        b->setAutoDefault(false);
        layout->addWidget(b);
    }
    connect(open, &QPushButton::clicked, this, &YearWindow::OpenProjectClick);
    connect(saveAs, &QPushButton::clicked, this, &YearWindow::SaveProjectAsClick);
    return row;
}

void YearWindow::showProjectPath()
{
    m_projectLabel->setText(tr("Projekt: %1").arg(QFileInfo(m_projectPath).fileName()));
    m_projectLabel->setToolTip(QDir::toNativeSeparators(m_projectPath));
}

std::optional<YearProject> YearWindow::openLastProject()
{
    YearWindowMemory memory = recallYearWindow();
    const QString last = memory.lastProject;
    // Paths, not QFileInfo's ==: that takes two missing files for the same.
    const auto absolute = [](const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
    if (last.isEmpty() || absolute(last) == absolute(m_defaultProjectPath))
        return std::nullopt;
    QString problem;
    if (!QFileInfo::exists(last)) {
        problem = tr("Das zuletzt benutzte Projekt „%1“ gibt es nicht mehr.")
                      .arg(QDir::toNativeSeparators(last));
    } else {
        try {
            YearProject project = loadProject(last);
            m_projectPath = last;
            return project;
        } catch (const zuv::core::Error& e) {
            problem = e.message();
        }
    }
    // Said once: the next start goes straight to the default project.
    memory.lastProject.clear();
    keepYearWindow(memory);
    dialogs().error(this, problem + QLatin1Char('\n') + tr("Das Standardprojekt wird geöffnet."));
    return std::nullopt;
}

void YearWindow::useProjectFile(const QString& path)
{
    m_projectPath = QFileInfo(path).absoluteFilePath();
    showProjectPath();
    YearWindowMemory memory = recallYearWindow();
    memory.lastProject = m_projectPath;
    keepYearWindow(memory);
}

void YearWindow::OpenProjectClick()
{
    guarded(this, [this] {
        QFileDialog dialog(this, tr("Projekt öffnen"));
        prepareProjectDialog(dialog, "OpenProjectDialog", m_projectPath);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        // The project shown keeps its changes in its own file (also when the same file is
        // chosen again); a file that is no project then leaves the window as it was.
        saveProjectQuietly();
        const QString path = dialog.selectedFiles().constFirst();
        setProject(loadProject(path));
        useProjectFile(path);
    });
}

void YearWindow::SaveProjectAsClick()
{
    guarded(this, [this] {
        QFileDialog dialog(this, tr("Projekt speichern unter"));
        prepareProjectDialog(dialog, "SaveProjectAsDialog", m_projectPath);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("json"));
        dialog.selectFile(QFileInfo(m_projectPath).fileName());
        if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString path = dialog.selectedFiles().constFirst();
        saveProject(path, project());
        useProjectFile(path);
        m_statusBar->showMessage(tr("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
    });
}

void YearWindow::saveProjectQuietly()
{
    try {
        saveProject(m_projectPath, project());
    } catch (const zuv::core::Error& e) {
        m_statusBar->showMessage(e.message());
    }
}

void YearWindow::CloseClick()
{
    reject();
}

void YearWindow::closeDown()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
    guarded(this, [this] { saveProject(m_projectPath, project()); });
    YearWindowMemory memory = recallYearWindow();
    memory.geometry = saveGeometry();
    keepYearWindow(memory);
}

// Esc, the title bar's close button and "Schließen" end here: QDialog's reject() only hides.
void YearWindow::reject()
{
    closeDown();
    QDialog::reject();
}

void YearWindow::closeEvent(QCloseEvent* event)
{
    // A shown window is closed through reject() (QDialog::closeEvent calls it); a hidden one
    // only comes here.
    if (!isVisible())
        closeDown();
    QDialog::closeEvent(event);
}

} // namespace zuv::yearcal
