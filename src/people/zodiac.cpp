// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "zodiac.h"

#include "dialogs.h"
#include "rtfreader.h"
#include "safefile.h"

#include <QBuffer>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTextCursor>
#include <QTextEdit>

namespace zuv::people {

namespace {

// month * 100 + day orders dates within a year.
int dayKey(int day, int month) { return month * 100 + day; }

ZodiacSign row(int order, const char* sign, int fromDay, int fromMonth, int toDay, int toMonth,
               const char* file, const char* caption, bool upright = false)
{
    const QString base = QString::fromUtf8(file);
    return ZodiacSign{order,
                      QString::fromUtf8(sign),
                      fromDay,
                      fromMonth,
                      toDay,
                      toMonth,
                      QStringLiteral("BioBMPs/") + base + QStringLiteral(".bmp"),
                      QStringLiteral("TZeichen/") + base + QStringLiteral(".rtf"),
                      QString::fromUtf8(caption),
                      upright};
}

// A bitmap drawn on a plain background: the colour of its bottom-left pixel becomes
// transparent, so the picture sits on the page's own colour.
QPixmap transparentPicture(const QImage& picture)
{
    if (picture.hasAlphaChannel())
        return QPixmap::fromImage(picture);   // keeps its own transparency
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

bool ZodiacSign::contains(int day, int month) const
{
    const int key = dayKey(day, month);
    const int from = dayKey(fromDay, fromMonth);
    const int to = dayKey(toDay, toMonth);
    if (from <= to)
        return key >= from && key <= to;
    return key >= from || key <= to;
}

const std::array<ZodiacSign, 12>& zodiacSigns()
{
    static const std::array<ZodiacSign, 12> signs = {
        row(1, "Steinbock", 22, 12, 20, 1, "Steinbock", "Steinbock\n22.12.-20.1."),
        row(2, "Wassermann", 21, 1, 19, 2, "Wassermann", "Wassermann\n21.1.- 19.2."),
        row(3, "Fische", 20, 2, 20, 3, "Fische", "Fische\n20.2.- 20.3."),
        row(4, "Widder", 21, 3, 20, 4, "Widder", "Widder\n21.3.- 20.4."),
        row(5, "Stier", 21, 4, 20, 5, "Stier", "Stier\n21.4.- 20.5."),
        row(6, "Zwillinge", 21, 5, 21, 6, "Zwillinge", "Zwillinge\n21.5.- 21.6."),
        row(7, "Krebs", 22, 6, 22, 7, "Krebs", "Krebs\n22.6.- 22.7."),
        row(8, "Löwe", 23, 7, 23, 8, "Loewe", "Löwe\n23.7.- 23.8."),
        row(9, "Jungfrau", 24, 8, 22, 9, "Jungfrau", "Jungfrau\n24.8.- 22.9.", true),
        row(10, "Waage", 23, 9, 22, 10, "Waage", "Waage\n23.9.- 22.10."),
        row(11, "Skorpion", 23, 10, 22, 11, "Skorpion", "Skorpion\n23.10.- 22.11."),
        row(12, "Schütze", 23, 11, 21, 12, "Schuetze", "Schütze\n23.11.- 21.12."),
    };
    return signs;
}

const ZodiacSign& zodiacSignFor(const QDate& birth)
{
    if (!birth.isValid())
        throw zuv::core::Error(QCoreApplication::translate("People", "Ungültiges Geburtsdatum"));
    for (const ZodiacSign& sign : zodiacSigns()) {
        if (sign.contains(birth.day(), birth.month()))
            return sign;
    }
    // The ranges cover the whole year; reaching this means the table is broken.
    throw zuv::core::Error(QCoreApplication::translate("People", "Kein Sternzeichen für %1")
                               .arg(birth.toString(QStringLiteral("dd.MM.yyyy"))));
}

void applyZodiacSign(const ZodiacSign& sign, QLabel& Label3, QLabel& Image2, QLabel& Image3,
                     QTextEdit& RichEdit1, const QString& programFolder)
{
    Image3.setVisible(false);
    Image2.setVisible(true);
    QLabel* slot = &Image2;
    if (sign.upright) {
        Image3.setVisible(true);
        Image2.setVisible(false);
        slot = &Image3;
    }

    const QDir folder(programFolder);
    const QString picturePath = folder.filePath(sign.pictureFile);
    // Read through the checked reader: a FIFO or device in place of the picture or the
    // text must not block the window.
    QByteArray pictureBytes = zuv::store::readRegularFile(picturePath, kMaxZodiacPictureBytes);
    QBuffer pictureBuffer(&pictureBytes);
    QImageReader reader(&pictureBuffer);
    // The format its name gives first: guessing it asks every image plugin, which loads them
    // all (a good part of the program's start). A picture its name belies is still guessed.
    reader.setFormat(QFileInfo(picturePath).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read();
    if (picture.isNull()) {
        pictureBuffer.seek(0);
        reader.setDevice(&pictureBuffer);
        reader.setFormat({});
        reader.setAutoDetectImageFormat(true);
        picture = reader.read();
    }
    if (picture.isNull()) {
        // The reader's own English text never reaches the user.
        const QString cause = reader.error() == QImageReader::UnsupportedFormatError
            ? QCoreApplication::translate(
                "People", "Die Datei enthält kein Bild in einem bekannten Format (falscher Dateityp).")
            : QCoreApplication::translate("People", "Die Datei ist beschädigt oder abgeschnitten.");
        throw zuv::core::Error(
            QCoreApplication::translate("People", "Das Bild \"%1\" kann nicht geladen werden:\n%2")
                .arg(QDir::toNativeSeparators(picturePath), cause));
    }
    slot->setScaledContents(true);
    slot->setPixmap(transparentPicture(picture));

    RichEdit1.clear();
    zuv::richtext::loadRtfFile(folder.filePath(sign.textFile), *RichEdit1.document());
    // The text is read from its beginning, not from where loading left the cursor.
    RichEdit1.moveCursor(QTextCursor::Start);

    Label3.setText(sign.caption);
}

} // namespace zuv::people
