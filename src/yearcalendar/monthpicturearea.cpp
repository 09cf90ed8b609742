// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "monthpicturearea.h"

#include "germandate.h"
#include "yearproject.h"
#include "yearthumbnails.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zuv::yearcal {

namespace {

const QSize kShownThumbnail(72, 54);

} // namespace

QStringList droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

MonthPictureArea::MonthPictureArea(int month, QWidget* parent) : QFrame(parent), m_month(month)
{
    setObjectName(QStringLiteral("MonthArea%1").arg(month));
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    const QString name = zuv::core::monthName(month);
    setAccessibleName(tr("Bilder für %1 (hierher ziehen)").arg(name));
    auto* column = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(name), this);
    column->addWidget(title);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < kMaxPicturesPerMonth; ++i) {
        auto* thumb = new QToolButton(this);
        thumb->setObjectName(QStringLiteral("Thumbnail%1_%2").arg(month).arg(i + 1));
        thumb->setIconSize(kShownThumbnail);
        thumb->setFixedSize(kShownThumbnail + QSize(8, 8));
        thumb->setCheckable(true);
        thumb->setAutoRaise(true);
        thumb->setStyleSheet(QStringLiteral("QToolButton:checked { border: 2px solid palette(highlight); }"));
        thumb->hide();
        row->addWidget(thumb);
        m_thumbs.push_back(thumb);
    }
    m_empty = new QLabel(tr("Bilder hierher ziehen"), this);
    m_empty->setEnabled(false);
    m_empty->setMinimumHeight(kShownThumbnail.height() + 8);
    row->addWidget(m_empty);
    row->addStretch();
    column->addLayout(row);
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("PicturesButton%1").arg(month));
    column->addWidget(m_button);
}

void MonthPictureArea::showPictures(const QStringList& files, const YearThumbnails& thumbnails,
                                    const QString& selected)
{
    const QString name = zuv::core::monthName(m_month);
    for (std::size_t i = 0; i < m_thumbs.size(); ++i) {
        QToolButton* thumb = m_thumbs[i];
        const QString file = files.value(static_cast<qsizetype>(i));
        thumb->disconnect(this);
        thumb->setVisible(!file.isEmpty());
        if (file.isEmpty())
            continue;
        const Thumbnail* t = thumbnails.find(file);
        thumb->setIcon(t && !t->image.isNull() ? QIcon(QPixmap::fromImage(t->image)) : QIcon());
        // Until its thumbnail is there (or when it cannot be shown) the file's name stands in.
        thumb->setToolButtonStyle(t && !t->image.isNull() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
        thumb->setText(QFileInfo(file).fileName());
        thumb->setToolTip(file);
        thumb->setAccessibleName(tr("%1, Bild %2: %3").arg(name).arg(i + 1).arg(QFileInfo(file).fileName()));
        thumb->setChecked(file == selected);
        connect(thumb, &QToolButton::clicked, this, [this, file] { emit pictureChosen(file); });
    }
    m_empty->setVisible(files.isEmpty());
    // The button names its month, for the eye and for a screen reader.
    if (files.isEmpty()) {
        m_button->setText(tr("Bilder %1...").arg(name));
        m_button->setAccessibleName(tr("Bilder für %1 wählen").arg(name));
    } else {
        m_button->setText(tr("Bilder %1 entfernen").arg(name));
        m_button->setAccessibleName(tr("Bilder für %1 entfernen").arg(name));
    }
}

void MonthPictureArea::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MonthPictureArea::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MonthPictureArea::dropEvent(QDropEvent* event)
{
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files);
}

} // namespace zuv::yearcal
