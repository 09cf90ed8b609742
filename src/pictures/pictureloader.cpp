// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pictureloader.h"

#include "dialogs.h"
#include "metafileconvert.h"
#include "picturecheck.h"
#include "programfolder.h"
#include "safefile.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgRenderer>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <csignal>

namespace zuv::pictures {

static_assert(std::size_t(kMaxSvgBytes) == kMaxSvgOutputBytes);

namespace {

QString g_helperPath;

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw zuv::core::Error(pictureError(path, reason));
}

[[noreturn]] void refuse(const QString& reason)
{
    throw zuv::core::Error(reason);
}

QString svgTooLargeText(qint64 svgBytes, qint64 maxSvgBytes)
{
    return QCoreApplication::translate("Pictures", kSvgTooLargeWording)
        .arg(QString::fromStdString(wholeMegabytes(std::size_t(svgBytes))),
             QString::fromStdString(wholeMegabytes(std::size_t(maxSvgBytes))));
}

// The helper has no Qt and gives its reason in German: in the program's language, the fixed
// texts by their wording, the others by their wording around the numbers.
QString helperReasonText(const QByteArray& standardError)
{
    const QString german = QString::fromUtf8(standardError).trimmed();
    if (german.isEmpty())
        return QCoreApplication::translate("Pictures", "Die Metadatei kann nicht umgewandelt werden.");
    for (const char* wording : kNumberedWordings) {
        QStringList pieces;
        for (const QString& piece : QString::fromUtf8(wording).split(QRegularExpression(QStringLiteral("%[12]"))))
            pieces << QRegularExpression::escape(piece);
        const QRegularExpression pattern(QLatin1Char('^') + pieces.join(QStringLiteral("(\\d+)")) + QLatin1Char('$'));
        const QRegularExpressionMatch m = pattern.match(german);
        if (m.hasMatch())
            return QCoreApplication::translate("Pictures", wording).arg(m.captured(1), m.captured(2));
    }
    return QCoreApplication::translate("Pictures", german.toUtf8().constData());
}

// The content's format as QImageReader names it, in the words of the message.
QString contentName(const QByteArray& readerName)
{
    static const struct { const char* reader; const char* name;
    } kNames[] = {
        {"jpeg", QT_TRANSLATE_NOOP("Pictures", "ein JPEG-Bild")},
        {"png", QT_TRANSLATE_NOOP("Pictures", "ein PNG-Bild")},
        {"gif", QT_TRANSLATE_NOOP("Pictures", "ein GIF-Bild")},
        {"bmp", QT_TRANSLATE_NOOP("Pictures", "eine Windows-Bitmap")},
        {"ico", QT_TRANSLATE_NOOP("Pictures", "ein Symbol")},
        {"svg", QT_TRANSLATE_NOOP("Pictures", "eine SVG-Zeichnung")},
        {"tiff", QT_TRANSLATE_NOOP("Pictures", "ein TIFF-Bild")},
        {"webp", QT_TRANSLATE_NOOP("Pictures", "ein WebP-Bild")},
    };
    for (const auto& n : kNames)
        if (readerName == n.reader)
            return QCoreApplication::translate("Pictures", n.name);
    return QCoreApplication::translate("Pictures", "ein Bild im Format %1")
        .arg(QString::fromLatin1(readerName.toUpper()));
}

// QImageReader's own errors in German; its English text never reaches the user.
QString readerProblem(const QImageReader& reader)
{
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return QCoreApplication::translate("Pictures",
                                           "Das Bildformat wird nicht unterstützt (falscher Dateityp).");
    case QImageReader::DeviceError:
        return QCoreApplication::translate("Pictures", "Die Datei kann nicht gelesen werden (Lesefehler).");
    default:
        return QCoreApplication::translate(
            "Pictures", "Die Datei ist beschädigt: die Bilddaten lassen sich nicht lesen.");
    }
}

} // namespace

QString pictureError(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Pictures", "Das Bild \"%1\" kann nicht geladen werden:\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

namespace {

// The causes of the shared file check, worded for a picture.
QString fileReason(zuv::store::FileProblem problem, const QFileInfo& info, qint64 limit)
{
    using zuv::store::FileProblem;
    switch (problem) {
    case FileProblem::Missing:
        return QCoreApplication::translate("Pictures", "Die Datei wurde nicht gefunden.");
    case FileProblem::NoPermission:
        return QCoreApplication::translate("Pictures",
                                           "Keine Berechtigung: die Datei darf nicht gelesen werden.");
    case FileProblem::NotRegular:
        return info.isDir()
            ? QCoreApplication::translate("Pictures", "Das ist ein Ordner, keine Bilddatei.")
            : QCoreApplication::translate("Pictures",
                                          "Das ist keine gewöhnliche Datei (sondern z. B. ein "
                                          "Gerät oder eine Pipe).");
    case FileProblem::TooLarge:
        return QCoreApplication::translate("Pictures", "Die Datei ist zu groß (%1 MB, höchstens %2 MB).")
            .arg((info.size() + 1024 * 1024 - 1) / (1024 * 1024))
            .arg(limit / (1024 * 1024));
    case FileProblem::Damaged:
        return QCoreApplication::translate("Pictures", "Die Datei ist beschädigt.");
    case FileProblem::ReadError:
    case FileProblem::None:
        break;
    }
    return QCoreApplication::translate("Pictures", "Die Datei kann nicht gelesen werden (Lesefehler).");
}

} // namespace

PictureFile readPictureFile(const QString& path)
{
    if (path.isEmpty())
        fail(path, QCoreApplication::translate("Pictures", "Es ist kein Dateiname angegeben."));
    const QFileInfo info(path);
    const auto format = formatFromExtension(path);
    const bool metafile = format
        && (*format == PictureFormat::Metafile || *format == PictureFormat::EnhancedMetafile);
    const qint64 limit = metafile ? qint64(kMaxMetafileBytes) : kMaxPictureFileBytes;
    // Looked at before anything opens it: a FIFO or device would block or never end.
    const zuv::store::FileCheck check = zuv::store::checkRegularFile(path, limit);
    if (!check.ok())
        fail(path, fileReason(check.problem, info, limit));
    if (!format)
        fail(path,
             QCoreApplication::translate("Pictures",
                                         "Falscher Dateityp: unbekannte Dateierweiterung \"%1\". "
                                         "Möglich sind %2.")
                 .arg(info.suffix(), readableFormatsText()));
    if (!formatReadable(*format))
        fail(path,
             QCoreApplication::translate("Pictures",
                                         "Bilder im Format %1 kann dieses System nicht lesen: das "
                                         "Qt-Bildmodul dafür fehlt (Paket qt6-image-formats-plugins).")
                 .arg(QString::fromLatin1(formatInfo(*format).reader).toUpper()));
    zuv::store::FileProblem problem = zuv::store::FileProblem::None;
    PictureFile result{info.absoluteFilePath(), *format,
                       zuv::store::readRegularFile(path, limit, problem)};
    if (problem != zuv::store::FileProblem::None)
        fail(path, fileReason(problem, info, limit));
    if (result.bytes.isEmpty())
        fail(path, QCoreApplication::translate("Pictures", "Die Datei ist leer."));
    return result;
}

QImage decodeRaster(const QByteArray& bytes, PictureFormat format, const QSize& pixels)
{
    const PictureFormatInfo& info = formatInfo(format);
    const QByteArray expected = info.reader;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray content = QImageReader::imageFormat(&buffer);
    if (content != expected) {
        if (content.isEmpty())
            refuse(QCoreApplication::translate("Pictures",
                                               "Die Datei enthält %1 (falscher Dateityp oder beschädigt).")
                       .arg(QCoreApplication::translate("Pictures", info.invalid)));
        refuse(QCoreApplication::translate("Pictures",
                                           "Die Datei enthält %1, erwartet wird aber %2 (falscher Dateityp).")
                   .arg(contentName(content), QCoreApplication::translate("Pictures", info.name)));
    }
    if (format == PictureFormat::Bitmap)
        if (const auto problem = bitmapProblem(bytes))
            refuse(*problem);

    QImageReader reader(&buffer, expected);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    if (format == PictureFormat::Icon) {
        const IconChoice choice = chooseIconEntry(bytes);
        if (choice.index < 0)
            refuse(choice.problem);
        if (choice.index > 0 && !reader.jumpToImage(choice.index))
            refuse(QCoreApplication::translate("Pictures",
                                               "Die Symboldatei ist beschädigt: ihr größtes Bild fehlt."));
    }
    const QSize original = reader.size();
    if (original.isValid()) {
        QSize wanted = pixels;
        // The scaled size applies before the EXIF turn.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            wanted.transpose();
        const bool shrink = original.width() > wanted.width() || original.height() > wanted.height();
        // JPEG decodes straight to a smaller size; the others are read whole first.
        const qint64 decodedBytes = format == PictureFormat::Jpeg && shrink
            ? qint64(wanted.width()) * wanted.height() * 4
            : qint64(original.width()) * original.height() * 4;
        if (decodedBytes > qint64(QImageReader::allocationLimit()) * 1024 * 1024)
            refuse(QCoreApplication::translate("Pictures", "Das Bild ist zu groß (%1 × %2 Bildpunkte).")
                       .arg(original.width())
                       .arg(original.height()));
        if (shrink)
            reader.setScaledSize(original.boundedTo(wanted));   // stretched into the slot anyway
    }
    QImage image = reader.read();
    if (image.isNull())
        refuse(readerProblem(reader));
    return image;
}

QImage renderDrawing(const QByteArray& svg, const QSize& pixels)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        refuse(QCoreApplication::translate("Pictures",
                                           "Die Zeichnung ist beschädigt und kann nicht gelesen werden."));
    if (renderer.viewBoxF().isEmpty())
        refuse(QCoreApplication::translate("Pictures", "Die Zeichnung ist leer."));
    if (pixels.isEmpty())
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        refuse(QCoreApplication::translate("Pictures", "Für die Zeichnung ist nicht genug Speicher frei."));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

QSize printPixels(const QSizeF& slotSize)
{
    const double factor = double(kPrintDotsPerInch) / 96.0;
    return QSize(static_cast<int>(std::ceil(slotSize.width() * factor)),
                 static_cast<int>(std::ceil(slotSize.height() * factor)));
}

QString metafileHelperPath()
{
    if (!g_helperPath.isEmpty())
        return g_helperPath;
    return zuv::core::helperProgramPath(QStringLiteral("zuvododerod-metafile"));
}

void setMetafileHelperPath(const QString& path)
{
    g_helperPath = path;
}

QByteArray convertInHelper(bool enhanced, const QByteArray& metafile, int timeoutMs,
                           qsizetype maxSvgBytes)
{
    QProcess helper;
    helper.setProgram(metafileHelperPath());
    helper.setArguments({enhanced ? QStringLiteral("emf") : QStringLiteral("wmf")});
    helper.start();
    if (!helper.waitForStarted(timeoutMs))
        throw zuv::core::Error(QCoreApplication::translate("Pictures",
                                                           "Das Umwandlungsprogramm für Metadateien (%1) "
                                                           "kann nicht gestartet werden.")
                                   .arg(QDir::toNativeSeparators(helper.program())));
    helper.write(metafile);
    helper.closeWriteChannel();

    QByteArray svg;
    QElapsedTimer clock;
    clock.start();
    while (helper.state() != QProcess::NotRunning) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || svg.size() > maxSvgBytes) {
            helper.kill();
            helper.waitForFinished(1000);
            throw zuv::core::Error(svg.size() > maxSvgBytes
                                       ? svgTooLargeText(svg.size(), maxSvgBytes)
                                       : QCoreApplication::translate("Pictures",
                                                                     "Die Umwandlung der Metadatei dauert zu "
                                                                     "lange und wurde abgebrochen."));
        }
        helper.waitForFinished(static_cast<int>(std::min<qint64>(left, 100)));
        svg += helper.readAllStandardOutput();
    }
    svg += helper.readAllStandardOutput();
    // Stopped at its processor-time limit (SIGXCPU): a drawing too costly, not a damaged file.
    if (helper.exitStatus() == QProcess::CrashExit && helper.exitCode() == SIGXCPU)
        throw zuv::core::Error(QCoreApplication::translate("Pictures", tooComplexReason().c_str()));
    // The whole output counts, also what came after the last look while the helper ran.
    if (svg.size() > maxSvgBytes)
        throw zuv::core::Error(svgTooLargeText(svg.size(), maxSvgBytes));
    if (helper.exitStatus() == QProcess::CrashExit)
        throw zuv::core::Error(QCoreApplication::translate("Pictures",
                                                           "Die Metadatei ist beschädigt: die Umwandlung "
                                                           "ist abgestürzt."));
    if (helper.exitCode() != 0) {
        throw zuv::core::Error(helperReasonText(helper.readAllStandardError()));
    }
    return svg;
}

} // namespace zuv::pictures
