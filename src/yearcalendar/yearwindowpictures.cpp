// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The year window's pictures: thumbnails, choosing, dropping, a whole folder, soft ones.
#include "yearwindow.h"

#include "dialogs.h"
#include "germandate.h"
#include "monthpicturearea.h"
#include "pictureformats.h"
#include "yearprintpanel.h"
#include "yearslots.h"
#include "yearthumbnails.h"
#include "yearwindowmemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStatusBar>
#include <QPushButton>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace zuv::yearcal {

using zuv::core::dialogs;
using zuv::core::guarded;

void YearWindow::showPictures()
{
    const bool chosenStays = std::any_of(m_pictures.begin(), m_pictures.end(), [this](const QStringList& files) {
        return files.contains(m_printPanel->chosenPicture());
    });
    if (!chosenStays)
        m_printPanel->choosePicture({});
    for (std::size_t i = 0; i < m_areas.size(); ++i) {
        for (const QString& f : m_pictures[i])
            m_thumbnails->request(f);
        m_areas[i]->showPictures(m_pictures[i], *m_thumbnails, m_printPanel->chosenPicture());
    }
    // Judged as soon as each picture's size is known, with the fit, paper and chart as set now.
    m_printPanel->showWarnings(softPictureWarnings(
        project(), [this](const QString& path) { return m_thumbnails->pixelSize(path); }));
}

void YearWindow::PicturesClick(int month)
{
    // Like the month page's picture buttons: a chosen set is removed, else one is chosen.
    QStringList& files = m_pictures[static_cast<std::size_t>(month - 1)];
    if (!files.isEmpty()) {
        files.clear();
        showPictures();
        return;
    }
    QFileDialog dialog(this, tr("Bilder für %1").arg(zuv::core::monthName(month)));
    dialog.setObjectName(QStringLiteral("PicturesDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(zuv::photo::pictureNameFilters());
    if (dialogs().exec(dialog) == QDialog::Accepted)
        PicturesDropped(month, dialog.selectedFiles());
}

void YearWindow::PicturesDropped(int month, const QStringList& files)
{
    // Each picture is checked now; those that cannot go on the page are named and left out.
    const PictureAddition added = addCheckedPictures(m_pictures[static_cast<std::size_t>(month - 1)], files);
    showPictures();
    if (!added.problems.isEmpty())
        dialogs().error(this, added.problems.join(QStringLiteral("\n\n")));
    if (added.tooMany)
        dialogs().information(this, tr("Ein Monat nimmt höchstens drei Bilder auf; "
                                       "die ersten drei werden verwendet."));
}

void YearWindow::FolderClick()
{
    if (m_folderJob)
        return;
    QFileDialog dialog(this, tr("Ordner mit den Bildern des Jahres"));
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    YearWindowMemory memory = recallYearWindow();
    if (!memory.pictureFolder.isEmpty())
        dialog.setDirectory(memory.pictureFolder);
    if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().constFirst();
    memory.pictureFolder = folder;
    keepYearWindow(memory);
    const int firstMonth = m_printPanel->settings().firstMonth;
    // Every file is decoded to be checked: seconds for a folder of camera photos.
    m_folderJob = new QFutureWatcher<FolderJob>(this);
    m_folderJob->setProperty("folder", folder);
    connect(m_folderJob, &QFutureWatcher<FolderJob>::finished, this, &YearWindow::folderTaken);
    m_folderButton->setEnabled(false);
    m_statusBar->showMessage(tr("Bilder aus %1 werden geprüft...").arg(QDir::toNativeSeparators(folder)));
    m_folderJob->setFuture(QtConcurrent::run(&pictureWorkers(), [folder, firstMonth] {
        FolderJob job;
        try {
            job.fill = picturesFromFolder(folder, firstMonth);
        } catch (const zuv::core::Error& e) {
            job.error = e.message();
        }
        return job;
    }));
}

void YearWindow::folderTaken()
{
    QFutureWatcher<FolderJob>* job = std::exchange(m_folderJob, nullptr);
    job->deleteLater();
    m_folderButton->setEnabled(true);
    m_statusBar->clearMessage();
    const QString folder = QDir::toNativeSeparators(job->property("folder").toString());
    guarded(this, [&] {
        const FolderJob result = job->result();
        if (!result.error.isEmpty())
            throw zuv::core::Error(result.error);
        const FolderPictureFill& fill = result.fill;
        const auto taken = std::count_if(fill.pictures.begin(), fill.pictures.end(),
                                         [](const QStringList& files) { return !files.isEmpty(); });
        if (taken == 0)
            throw zuv::core::Error(tr("Im Ordner \"%1\" ist kein Bild, das verwendet werden kann.").arg(folder)
                                   + (fill.skipped.isEmpty() ? QString() : QStringLiteral("\n\n") + fill.skipped.join(QLatin1Char('\n'))));
        m_pictures = fill.pictures;
        showPictures();
        m_statusBar->showMessage(tr("%1 Bilder aus %2 übernommen").arg(taken).arg(folder));
        if (!fill.skipped.isEmpty())
            dialogs().information(this, tr("Diese Dateien wurden übergangen:\n\n") + fill.skipped.join(QLatin1Char('\n')));
    });
}

void YearWindow::waitForPictures()
{
    if (m_folderJob)
        m_folderJob->waitForFinished();
    pictureWorkers().waitForDone();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace zuv::yearcal
