// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared pieces of the info tests: a dialog seam that records, a biorhythm page on its own
// tables in a temporary program folder, and a small reader for the page facts of a PDF.

#include <biomonthmodel.h>
#include <dialogs.h>
#include <recordingdialogs.h>
#include <table.h>

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QRect>
#include <QUrl>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <ostream>

namespace zuv::bio { class BioPage; }

namespace zuv::info::test {

using zuv::testing::RecordingDialogs;

// A program folder in a temporary directory with the general text, the text and picture of
// the sign Zwillinge, and a biorhythm page on fresh tables, refreshed for birth date
// 15.06.1990 in June 1990. Restores the program folder when destroyed.
class PageFixture {
public:
    explicit PageFixture(const QDate& today = QDate(1990, 6, 20));
    ~PageFixture();
    zuv::bio::BioPage& page() { return *m_page; }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    zuv::bio::BioMonthModel m_month;
    zuv::store::Table m_CLDSBio;
    zuv::store::Table m_CLDProzent;
    zuv::store::Table m_CDSNamensliste;
    std::unique_ptr<zuv::bio::BioPage> m_page;
};

// Text of the sign's own explanation written by PageFixture.
inline constexpr const char* kSignText = "Zwillinge sind neugierig und gesellig.";

// Page facts of a PDF written without object streams (Qt's writer, Ghostscript's 1.4 level).
struct PdfFacts {
    int pages = 0;
    double width = 0;    // of the first page's MediaBox, in points
    double height = 0;
    int rotate = 0;      // the first page's /Rotate, degrees
    bool landscape() const;
};
PdfFacts readPdfFacts(const QByteArray& pdf);
// The content of every Flate-compressed stream, inflated, in file order.
QList<QByteArray> inflatedStreams(const QByteArray& pdf);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);

} // namespace zuv::info::test

// Readable failure messages for Qt values.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QUrl& u, std::ostream* os) { *os << u.toString().toStdString(); }
inline void PrintTo(const QColor& c, std::ostream* os) { *os << c.name().toStdString(); }
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << "," << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << ")";
}
