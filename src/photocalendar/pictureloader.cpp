#include "pictureloader.h"

#include "dialogs.h"
#include "metafileconvert.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <cmath>

namespace zuv::photo {

namespace {

QString g_helperPath;

struct FormatEntry {
    const char* extension;
    PictureFormat format;
};
// Extensions the open-picture dialog lists, with the format each one means.
constexpr FormatEntry kFormats[] = {
    {"jpg", PictureFormat::Jpeg},   {"jpeg", PictureFormat::Jpeg},
    {"jpe", PictureFormat::Jpeg},   {"jfif", PictureFormat::Jpeg},
    {"bmp", PictureFormat::Bitmap}, {"dib", PictureFormat::Bitmap},
    {"ico", PictureFormat::Icon},   {"wmf", PictureFormat::Metafile},
    {"emf", PictureFormat::EnhancedMetafile},
};

QByteArray readerFormat(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Bitmap: return "bmp";
    case PictureFormat::Icon: return "ico";
    default: return {};
    }
}

QString formatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return QStringLiteral("JPEG-Bild");
    case PictureFormat::Bitmap: return QStringLiteral("Windows-Bitmap");
    case PictureFormat::Icon: return QStringLiteral("Symbol");
    case PictureFormat::Metafile: return QStringLiteral("Metadatei");
    case PictureFormat::EnhancedMetafile: return QStringLiteral("erweiterte Metadatei");
    }
    return {};
}

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw zuv::core::Error(QStringLiteral("Das Bild \"%1\" kann nicht geladen werden:\n%2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

ReportPicture loadRaster(const QString& path, PictureFormat format, const QSizeF& slotSize)
{
    const QByteArray expected = readerFormat(format);
    const QByteArray content = QImageReader::imageFormat(path);
    if (content != expected)
        fail(path, QStringLiteral("Die Datei ist kein gültiges %1 (beschädigt oder falsche "
                                  "Dateierweiterung).")
                       .arg(formatName(format)));

    QImageReader reader(path, expected);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (original.isValid()) {
        QSize wanted = printPixels(slotSize);
        // The scaled size applies before the EXIF turn.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            wanted.transpose();
        if (original.width() > wanted.width() || original.height() > wanted.height())
            reader.setScaledSize(QSize(std::min(original.width(), wanted.width()),
                                       std::min(original.height(), wanted.height())));
    }
    QImage image = reader.read();
    if (image.isNull())
        fail(path, reader.errorString());
    return ReportPicture::fromImage(std::move(image));
}

ReportPicture loadMetafile(const QString& path, PictureFormat format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    if (file.size() > static_cast<qint64>(kMaxMetafileBytes))
        fail(path, QStringLiteral("Die Metadatei ist zu groß."));
    const QByteArray data = file.readAll();
    try {
        const QByteArray svg = convertInHelper(format == PictureFormat::EnhancedMetafile, data);
        return ReportPicture::fromSvg(svg);
    } catch (const zuv::core::Error& e) {
        fail(path, e.message());
    }
}

} // namespace

std::optional<PictureFormat> formatFromExtension(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatEntry& entry : kFormats)
        if (suffix == QLatin1String(entry.extension))
            return entry.format;
    return std::nullopt;
}

QSize printPixels(const QSizeF& slotSize)
{
    const double factor = double(kPrintDotsPerInch) / 96.0;
    return QSize(static_cast<int>(std::ceil(slotSize.width() * factor)),
                 static_cast<int>(std::ceil(slotSize.height() * factor)));
}

ReportPicture loadPicture(const QString& path, const QSizeF& slotSize)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("Es ist kein Dateiname angegeben."));
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        fail(path, QStringLiteral("Die Datei wurde nicht gefunden."));
    const auto format = formatFromExtension(path);
    if (!format)
        fail(path, QStringLiteral("Unbekannte Dateierweiterung \"%1\". Möglich sind JPEG "
                                  "(.jpg, .jpeg), Bitmap (.bmp), Symbol (.ico), Metadatei "
                                  "(.wmf) und erweiterte Metadatei (.emf).")
                       .arg(info.suffix()));
    if (*format == PictureFormat::Metafile || *format == PictureFormat::EnhancedMetafile)
        return loadMetafile(path, *format);
    return loadRaster(path, *format, slotSize);
}

QString metafileHelperPath()
{
    if (!g_helperPath.isEmpty())
        return g_helperPath;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zuvododerod-metafile"));
}

void setMetafileHelperPath(const QString& path)
{
    g_helperPath = path;
}

QByteArray convertInHelper(bool enhanced, const QByteArray& metafile, int timeoutMs)
{
    QProcess helper;
    helper.setProgram(metafileHelperPath());
    helper.setArguments({enhanced ? QStringLiteral("emf") : QStringLiteral("wmf")});
    helper.start();
    if (!helper.waitForStarted(timeoutMs))
        throw zuv::core::Error(QStringLiteral("Das Umwandlungsprogramm für Metadateien (%1) "
                                              "kann nicht gestartet werden.")
                                   .arg(QDir::toNativeSeparators(helper.program())));
    helper.write(metafile);
    helper.closeWriteChannel();

    QByteArray svg;
    QElapsedTimer clock;
    clock.start();
    while (helper.state() != QProcess::NotRunning) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || svg.size() > kMaxSvgBytes) {
            helper.kill();
            helper.waitForFinished(1000);
            throw zuv::core::Error(svg.size() > kMaxSvgBytes
                                       ? QStringLiteral("Die Metadatei ergibt eine zu große Zeichnung.")
                                       : QStringLiteral("Die Umwandlung der Metadatei dauert zu "
                                                        "lange und wurde abgebrochen."));
        }
        helper.waitForFinished(static_cast<int>(std::min<qint64>(left, 100)));
        svg += helper.readAllStandardOutput();
    }
    svg += helper.readAllStandardOutput();
    if (helper.exitStatus() == QProcess::CrashExit)
        throw zuv::core::Error(QStringLiteral("Die Metadatei ist beschädigt: die Umwandlung "
                                              "ist abgestürzt."));
    if (helper.exitCode() != 0) {
        QString reason = QString::fromUtf8(helper.readAllStandardError()).trimmed();
        if (reason.isEmpty())
            reason = QStringLiteral("Die Metadatei kann nicht umgewandelt werden.");
        throw zuv::core::Error(reason);
    }
    return svg;
}

} // namespace zuv::photo
