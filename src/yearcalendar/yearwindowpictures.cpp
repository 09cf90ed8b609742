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
#include <QGridLayout>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace zuv::yearcal {

using zuv::core::dialogs;
using zuv::core::guarded;

void YearWindow::placeMonthAreas(int firstMonth)
{
    // The months stand in the order the calendar prints them, from its first month on.
    if (firstMonth == m_placedFirstMonth || !m_monthGrid)
        return;
    m_placedFirstMonth = firstMonth;
    for (MonthPictureArea* area : m_areas)
        m_monthGrid->removeWidget(area);
    QWidget* previous = nullptr;
    for (int i = 0; i < 12; ++i) {
        MonthPictureArea* area = m_areas[static_cast<std::size_t>((firstMonth - 1 + i) % 12)];
        m_monthGrid->addWidget(area, i / 4, i % 4);
        if (previous)
            setTabOrder(previous, area);
        previous = area;
    }
}

void YearWindow::showPictures()
{
    placeMonthAreas(m_printPanel->settings().firstMonth);
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
    dialog.setNameFilters(zuv::pictures::pictureNameFilters());
    if (dialogs().exec(dialog) == QDialog::Accepted)
        PicturesDropped(month, dialog.selectedFiles());
}

void YearWindow::PicturesDropped(int month, const QStringList& files)
{
    // Each picture is checked now (decoded: a camera photo takes a moment, so on a worker);
    // those that cannot go on the page are named and left out.
    QStringList monthPictures = m_pictures[static_cast<std::size_t>(month - 1)];
    startPictureJob(tr("Bilder für %1 werden geprüft...").arg(zuv::core::monthName(month)),
                    [month, monthPictures, files]() mutable {
                        PictureJob job;
                        job.month = month;
                        job.added = addCheckedPictures(monthPictures, files);
                        job.monthPictures = monthPictures;
                        return job;
                    });
}

void YearWindow::FolderClick()
{
    if (m_pictureJob)
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
    startPictureJob(tr("Bilder aus %1 werden geprüft...").arg(QDir::toNativeSeparators(folder)),
                    [folder, firstMonth] {
                        PictureJob job;
                        job.folder = folder;
                        try {
                            job.fill = picturesFromFolder(folder, firstMonth);
                        } catch (const zuv::core::Error& e) {
                            job.error = e.message();
                        }
                        return job;
                    });
}

void YearWindow::startPictureJob(const QString& message, std::function<PictureJob()> work)
{
    // One job at a time: a second would work on pictures the first is about to change.
    if (m_pictureJob) {
        m_statusBar->showMessage(tr("Es werden noch Bilder geprüft; bitte einen Moment warten."));
        return;
    }
    m_pictureJob = new QFutureWatcher<PictureJob>(this);
    connect(m_pictureJob, &QFutureWatcher<PictureJob>::finished, this, &YearWindow::pictureJobDone);
    m_folderButton->setEnabled(false);
    m_statusBar->showMessage(message);
    m_pictureJob->setFuture(QtConcurrent::run(&pictureWorkers(), std::move(work)));
}

void YearWindow::pictureJobDone()
{
    QFutureWatcher<PictureJob>* watcher = std::exchange(m_pictureJob, nullptr);
    watcher->deleteLater();
    m_folderButton->setEnabled(true);
    m_statusBar->clearMessage();
    const PictureJob job = watcher->result();
    if (job.month != 0) {
        m_pictures[static_cast<std::size_t>(job.month - 1)] = job.monthPictures;
        showPictures();
        if (!job.added.problems.isEmpty())
            dialogs().error(this, job.added.problems.join(QStringLiteral("\n\n")));
        if (job.added.tooMany)
            dialogs().information(this, tr("Ein Monat nimmt höchstens drei Bilder auf; "
                                           "die ersten drei werden verwendet."));
        return;
    }
    const QString folder = QDir::toNativeSeparators(job.folder);
    guarded(this, [&] {
        if (!job.error.isEmpty())
            throw zuv::core::Error(job.error);
        const FolderPictureFill& fill = job.fill;
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
    // Taking pictures over asks for their thumbnails: wait until neither is left.
    while (m_pictureJob || m_thumbnails->pending() > 0) {
        pictureWorkers().waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace zuv::yearcal
