// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pagepictures.h"

#include "dialogs.h"
#include "monthpage.h"
#include "picturecache.h"
#include "pictureloader.h"

#include <QImageReader>
#include <QPromise>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <QtConcurrent/QtConcurrentRun>

namespace zuv::photo {

using pictures::PictureFile;
using pictures::PictureFormat;
using pictures::ReportPicture;

namespace {

std::vector<SlotPlan> plansWithFiles(const QStringList& files, bool withChart)
{
    std::vector<SlotPlan> plans;
    for (const SlotPlan& plan : pictureSlots(files, withChart))
        if (!files.value(plan.index).isEmpty())
            plans.push_back(plan);
    return plans;
}

// The picture's size as the reader hands it out (turned as its EXIF says); empty when the
// header says nothing.
QSizeF ownPixels(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size.isValid() ? QSizeF(size) : QSizeF();
}

bool isDrawing(const QString& path)
{
    const auto format = pictures::formatFromExtension(path);
    return format == PictureFormat::Metafile || format == PictureFormat::EnhancedMetafile;
}

// The size a picture of size is decoded at for slot: its part shown keeps at most 300 ppi.
QSize wholeAtStoredPpi(const QSizeF& size, const QSizeF& slot, PictureFit fit)
{
    const FittedRect fitted = fitPicture(size, QRectF(QPointF(0, 0), slot), fit);
    const QSize keep = storedPixels(fitted.source.size(), fitted.target.size());
    const double scale = double(keep.width()) / fitted.source.width();
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))));
}

} // namespace

SlotPicture loadSlotPicture(const QString& path, const QSizeF& slot, PictureFit fit)
{
    if (isDrawing(path)) {
        if (fit == PictureFit::Stretch)
            return {loadPicture(path, slot), {}};
        // A drawing keeps its proportions from its view box and is drawn at 300 ppi.
        const PictureFile file = pictures::readPictureFile(path);
        try {
            const QByteArray svg =
                pictures::convertInHelper(file.format == PictureFormat::EnhancedMetafile, file.bytes);
            const QSizeF box = QSvgRenderer(svg).viewBoxF().size();
            const QSizeF printed = fitPicture(box, QRectF(QPointF(0, 0), slot), fit).target.size()
                * (kStoredPpi / PageGeometry::kPixelsPerInch);
            const QSizeF whole = box.scaled(printed, Qt::KeepAspectRatioByExpanding);
            return {ReportPicture::fromImage(pictures::renderDrawing(svg, whole.toSize().expandedTo({1, 1}))), {}};
        } catch (const zuv::core::Error& e) {
            throw zuv::core::Error(pictures::pictureError(file.path, e.message()));
        }
    }
    const QSizeF own = ownPixels(path);
    if (fit == PictureFit::Stretch || own.isEmpty())
        return {loadPicture(path, slot), own};
    return {ReportPicture::fromImage(pictures::pictureCache().image(path, wholeAtStoredPpi(own, slot, fit))), own};
}

QStringList softPictureNotes(const MonthPage& page, const std::vector<QSizeF>& ownSizes,
                             const QString& monthName)
{
    QStringList notes;
    for (const PlacedPicture& p : page.pictures) {
        const auto index = static_cast<std::size_t>(p.index);
        if (p.index < 0 || index >= ownSizes.size() || ownSizes[index].isEmpty() || p.picture.isEmpty())
            continue;
        const FittedRect fitted =
            fitPicture(ownSizes[index], p.slotRect, page.pictureFit, page.focus[index]);
        if (const auto soft = resolutionWarning(monthName, p.index + 1, printedPpi(fitted)))
            notes << *soft;
    }
    return notes;
}

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

QFuture<PagePictures> loadPagePicturesAsync(const QStringList& files, bool withChart, PictureFit fit)
{
    return QtConcurrent::run([files, withChart, fit](QPromise<PagePictures>& promise) {
        const std::vector<SlotPlan> plans = plansWithFiles(files, withChart);
        promise.setProgressRange(0, static_cast<int>(plans.size()));
        PagePictures result;
        result.pictures.resize(static_cast<std::size_t>(files.size()));
        result.ownSizes.resize(static_cast<std::size_t>(files.size()));
        int done = 0;
        for (const SlotPlan& plan : plans) {
            if (promise.isCanceled())
                return;
            try {
                SlotPicture loaded = loadSlotPicture(files.value(plan.index), plan.rect.size(), fit);
                result.pictures[static_cast<std::size_t>(plan.index)] = std::move(loaded.picture);
                result.ownSizes[static_cast<std::size_t>(plan.index)] = loaded.ownSize;
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
