// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "infotestsupport.h"

#include <biopage.h>
#include <namelist.h>
#include <programfolder.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zuv::info::test {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(data);
}

PageFixture::PageFixture(const QDate& today)
    : m_CLDSBio(QStringLiteral("CLDSBio"))
    , m_CLDProzent(QStringLiteral("CLDProzent"))
    , m_CDSNamensliste(QStringLiteral("CDSNamensliste"))
{
    const QString dir = m_dir.path();
    zuv::core::setProgramFolder(dir);
    QDir().mkpath(dir + QStringLiteral("/BioTab"));
    writeFile(dir + QStringLiteral("/BioTab/BiorhythText.rtf"),
              readFile(QStringLiteral(ZUV_TEST_DATA_DIR "/info/BioTab/BiorhythText.rtf")));
    writeFile(dir + QStringLiteral("/TZeichen/Zwillinge.rtf"),
              QByteArray("{\\rtf1\\ansi ") + kSignText + "\\par}");
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QDir().mkpath(dir + QStringLiteral("/BioBMPs"));
    picture.save(dir + QStringLiteral("/BioBMPs/Zwillinge.bmp"), "BMP");

    zuv::store::openOrCreate(m_CDSNamensliste, QStringLiteral("BioTab/Namensliste"),
                            zuv::people::nameListFields());
    m_page = std::make_unique<zuv::bio::BioPage>(m_month, m_CLDSBio, m_CLDProzent,
                                                 m_CDSNamensliste);
    m_page->resize(zuv::bio::BioPage::designSize());
    m_page->initialise(today);
    m_page->MaskEdit1()->setText(QStringLiteral("15.06.1990"));
    m_page->Button4Click();
}

PageFixture::~PageFixture()
{
    m_page.reset();
    m_CLDSBio.close();
    m_CLDProzent.close();
    m_CDSNamensliste.close();
    zuv::core::setProgramFolder({});
}

bool PdfFacts::landscape() const
{
    const bool turned = rotate % 180 != 0;
    return (width > height) != turned;
}

PdfFacts readPdfFacts(const QByteArray& pdf)
{
    PdfFacts facts;
    const QString text = QString::fromLatin1(pdf);
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"));
    auto it = page.globalMatch(text);
    int count = 0;
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    facts.pages = count;
    static const QRegularExpression box(QStringLiteral(
        R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    if (const auto m = box.match(text); m.hasMatch()) {
        facts.width = m.captured(3).toDouble() - m.captured(1).toDouble();
        facts.height = m.captured(4).toDouble() - m.captured(2).toDouble();
    }
    static const QRegularExpression rotate(QStringLiteral(R"(/Rotate\s+(-?\d+))"));
    if (const auto m = rotate.match(text); m.hasMatch())
        facts.rotate = ((m.captured(1).toInt() % 360) + 360) % 360;
    return facts;
}

QList<QByteArray> inflatedStreams(const QByteArray& pdf)
{
    QList<QByteArray> streams;
    qsizetype pos = 0;
    while ((pos = pdf.indexOf("stream", pos)) >= 0) {
        // "endstream" also contains the word; a stream's data follows "stream" + EOL.
        if (pos >= 3 && pdf.mid(pos - 3, 3) == "end") {
            pos += 6;
            continue;
        }
        const qsizetype dictStart = pdf.lastIndexOf("<<", pos);
        const bool flate = pdf.mid(dictStart, pos - dictStart).contains("/FlateDecode");
        qsizetype start = pos + 6;
        if (pdf.mid(start, 2) == "\r\n")
            start += 2;
        else if (start < pdf.size() && (pdf[start] == '\n' || pdf[start] == '\r'))
            start += 1;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        if (flate) {
            // qUncompress wants the expected size in front; it grows the buffer as needed.
            QByteArray data = QByteArray::fromHex("00010000") + pdf.mid(start, end - start);
            streams << qUncompress(data);
        }
        pos = end + 9;
    }
    return streams;
}

} // namespace zuv::info::test
