// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One month's place in the year window: its name, the thumbnails of its pictures (one of
// them can be chosen to set its fit and focus) and the button that chooses or removes them.
// Pictures dragged from a file manager (text/uri-list of file:// URLs) are taken here; the
// window checks them.

#include <QFrame>
#include <QStringList>
#include <vector>

class QLabel;
class QMimeData;
class QPushButton;
class QToolButton;

namespace zuv::yearcal {

class YearThumbnails;

// The local files among the URLs of a drop, in their order; none for other data.
QStringList droppedFiles(const QMimeData* data);

class MonthPictureArea : public QFrame {
    Q_OBJECT
public:
    MonthPictureArea(int month, QWidget* parent = nullptr);

    int month() const { return m_month; }
    QPushButton* button() const { return m_button; }
    // Shows files (0..3) with the thumbnails ready so far; selected is marked.
    void showPictures(const QStringList& files, const YearThumbnails& thumbnails,
                      const QString& selected);

signals:
    void filesDropped(const QStringList& files);
    void pictureChosen(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_month;
    QLabel* m_empty = nullptr;
    QPushButton* m_button = nullptr;
    std::vector<QToolButton*> m_thumbs;
};

} // namespace zuv::yearcal
