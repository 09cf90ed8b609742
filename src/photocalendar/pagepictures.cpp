// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pagepictures.h"

#include "dialogs.h"
#include "monthpage.h"
#include "picturecache.h"
#include "pictureloader.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace zuv::photo {

namespace {

std::vector<SlotPlan> plansWithFiles(const QStringList& files, bool withChart)
{
    std::vector<SlotPlan> plans;
    for (const SlotPlan& plan : pictureSlots(files, withChart))
        if (!files.value(plan.index).isEmpty())
            plans.push_back(plan);
    return plans;
}

} // namespace

pictures::ReportPicture loadPicture(const QString& path, const QSizeF& slotSize)
{
    return pictures::ReportPicture::fromImage(pictures::pictureCache().image(path, pictures::printPixels(slotSize)));
}

int picturesToLoad(const QStringList& files, bool withChart)
{
    return static_cast<int>(plansWithFiles(files, withChart).size());
}

std::vector<pictures::ReportPicture> loadPagePictures(const QStringList& files, bool withChart)
{
    std::vector<pictures::ReportPicture> loaded(static_cast<std::size_t>(files.size()));
    for (const SlotPlan& plan : plansWithFiles(files, withChart))
        loaded[static_cast<std::size_t>(plan.index)] = loadPicture(files.value(plan.index), plan.rect.size());
    return loaded;
}

QFuture<PagePictures> loadPagePicturesAsync(const QStringList& files, bool withChart)
{
    return QtConcurrent::run([files, withChart](QPromise<PagePictures>& promise) {
        const std::vector<SlotPlan> plans = plansWithFiles(files, withChart);
        promise.setProgressRange(0, static_cast<int>(plans.size()));
        PagePictures result;
        result.pictures.resize(static_cast<std::size_t>(files.size()));
        int done = 0;
        for (const SlotPlan& plan : plans) {
            if (promise.isCanceled())
                return;
            try {
                result.pictures[static_cast<std::size_t>(plan.index)] =
                    loadPicture(files.value(plan.index), plan.rect.size());
            } catch (const zuv::core::Error& e) {
                result.error = e.message();
                break;
            }
            promise.setProgressValue(++done);
        }
        promise.addResult(std::move(result));
    });
}

} // namespace zuv::photo
