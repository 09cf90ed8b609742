// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "zodiac.h"

#include "dialogs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

using zuv::people::ZodiacSign;
using zuv::people::applyZodiacSign;
using zuv::people::zodiacSignFor;
using zuv::people::zodiacSigns;

namespace {

struct BoundaryCase {
    int day;
    int month;
    int year;
    const char* sign;
};

// Expected signs follow the range table of the signs (From/To, both inclusive).
const BoundaryCase kBoundaries[] = {
    {22, 12, 1999, "Steinbock"}, {31, 12, 1999, "Steinbock"}, {1, 1, 2000, "Steinbock"},
    {20, 1, 2000, "Steinbock"},  {21, 1, 2000, "Wassermann"}, {21, 12, 1999, "Schütze"},
    {19, 2, 2001, "Wassermann"}, {20, 2, 2001, "Fische"},     {29, 2, 2000, "Fische"},
    {20, 3, 2001, "Fische"},     {21, 3, 2001, "Widder"},     {20, 4, 2001, "Widder"},
    {21, 4, 2001, "Stier"},      {20, 5, 2001, "Stier"},      {21, 5, 2001, "Zwillinge"},
    {21, 6, 2001, "Zwillinge"},  {22, 6, 2001, "Krebs"},      {22, 7, 2001, "Krebs"},
    {23, 7, 2001, "Löwe"},       {23, 8, 2001, "Löwe"},       {24, 8, 2001, "Jungfrau"},
    {22, 9, 2001, "Jungfrau"},   {23, 9, 2001, "Waage"},      {22, 10, 2001, "Waage"},
    {23, 10, 2001, "Skorpion"},  {22, 11, 2001, "Skorpion"},  {23, 11, 2001, "Schütze"},
};

TEST(Zodiac, BoundaryDaysBelongToTheRangeTheyAreWrittenIn)
{
    for (const BoundaryCase& c : kBoundaries) {
        const QDate birth(c.year, c.month, c.day);
        EXPECT_EQ(zodiacSignFor(birth).sign, QString::fromUtf8(c.sign))
            << birth.toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    }
}

TEST(Zodiac, EveryDayOfALeapYearHasExactlyOneSign)
{
    for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1)) {
        int hits = 0;
        for (const ZodiacSign& s : zodiacSigns())
            hits += s.contains(d.day(), d.month()) ? 1 : 0;
        EXPECT_EQ(hits, 1) << d.toString(Qt::ISODate).toStdString();
    }
}

TEST(Zodiac, TableRowsAreExact)
{
    struct Row {
        const char* sign;
        const char* file;
        const char* caption;
    };
    // Captions, file names and order as the sign table lists them (note the spacing).
    const Row rows[] = {
        {"Steinbock", "Steinbock", "Steinbock\n22.12.-20.1."},
        {"Wassermann", "Wassermann", "Wassermann\n21.1.- 19.2."},
        {"Fische", "Fische", "Fische\n20.2.- 20.3."},
        {"Widder", "Widder", "Widder\n21.3.- 20.4."},
        {"Stier", "Stier", "Stier\n21.4.- 20.5."},
        {"Zwillinge", "Zwillinge", "Zwillinge\n21.5.- 21.6."},
        {"Krebs", "Krebs", "Krebs\n22.6.- 22.7."},
        {"Löwe", "Loewe", "Löwe\n23.7.- 23.8."},
        {"Jungfrau", "Jungfrau", "Jungfrau\n24.8.- 22.9."},
        {"Waage", "Waage", "Waage\n23.9.- 22.10."},
        {"Skorpion", "Skorpion", "Skorpion\n23.10.- 22.11."},
        {"Schütze", "Schuetze", "Schütze\n23.11.- 21.12."},
    };
    const auto& signs = zodiacSigns();
    for (size_t i = 0; i < signs.size(); ++i) {
        const ZodiacSign& s = signs[i];
        const QString file = QString::fromUtf8(rows[i].file);
        EXPECT_EQ(s.order, static_cast<int>(i) + 1);
        EXPECT_EQ(s.sign, QString::fromUtf8(rows[i].sign));
        EXPECT_EQ(s.caption, QString::fromUtf8(rows[i].caption));
        EXPECT_EQ(s.pictureFile, QStringLiteral("BioBMPs/") + file + QStringLiteral(".bmp"));
        EXPECT_EQ(s.textFile, QStringLiteral("TZeichen/") + file + QStringLiteral(".rtf"));
        EXPECT_EQ(s.upright, s.sign == QStringLiteral("Jungfrau"));
    }
}

TEST(Zodiac, InvalidDateIsAnError)
{
    EXPECT_THROW(zodiacSignFor(QDate()), zuv::core::Error);
}

// A program folder with the pictures and texts of a few signs.
class ZodiacDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir root(m_dir.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("BioBMPs")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("TZeichen")));
        folder = m_dir.path() + QLatin1Char('/');
        Label3.setText(QStringLiteral("Sternzeich."));
    }

    // A picture whose bottom-left pixel is the background colour.
    void writePicture(const QString& file, int width, int height, const char* format = "BMP")
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(255, 0, 255));
        image.setPixel(width / 2, height / 2, qRgb(0, 0, 128));
        ASSERT_TRUE(image.save(folder + QStringLiteral("BioBMPs/") + file, format));
    }

    void writeText(const QString& file, const QString& words)
    {
        QFile f(folder + QStringLiteral("TZeichen/") + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 " + words.toLatin1()
                + "\\par}");
    }

    void show(const QDate& birth)
    {
        applyZodiacSign(zodiacSignFor(birth), Label3, Image2, Image3, RichEdit1, folder);
    }

    QTemporaryDir m_dir;
    QString folder;
    QLabel Label3;
    QLabel Image2;
    QLabel Image3;
    QTextEdit RichEdit1;
};

TEST_F(ZodiacDisplay, JungfrauUsesTheUprightSlotAndTheNextSignSwitchesBack)
{
    writePicture(QStringLiteral("Jungfrau.bmp"), 8, 12);
    writeText(QStringLiteral("Jungfrau.rtf"), QStringLiteral("Jungfrautext"));
    writePicture(QStringLiteral("Widder.bmp"), 12, 8);
    writeText(QStringLiteral("Widder.rtf"), QStringLiteral("Widdertext"));

    show(QDate(1980, 9, 1));
    EXPECT_FALSE(Image3.isHidden());
    EXPECT_TRUE(Image2.isHidden());
    EXPECT_EQ(Image3.pixmap().size(), QSize(8, 12));
    EXPECT_TRUE(Image3.hasScaledContents());
    EXPECT_EQ(Label3.text(), QStringLiteral("Jungfrau\n24.8.- 22.9."));
    EXPECT_TRUE(RichEdit1.toPlainText().contains(QStringLiteral("Jungfrautext")));
    EXPECT_EQ(RichEdit1.textCursor().position(), 0);

    show(QDate(1980, 4, 1));
    EXPECT_TRUE(Image3.isHidden());
    EXPECT_FALSE(Image2.isHidden());
    EXPECT_EQ(Image2.pixmap().size(), QSize(12, 8));
    EXPECT_TRUE(Image2.hasScaledContents());
    EXPECT_EQ(Label3.text(), QStringLiteral("Widder\n21.3.- 20.4."));
    EXPECT_TRUE(RichEdit1.toPlainText().contains(QStringLiteral("Widdertext")));
    EXPECT_FALSE(RichEdit1.toPlainText().contains(QStringLiteral("Jungfrautext")));
}

TEST_F(ZodiacDisplay, BackgroundColourOfThePictureBecomesTransparent)
{
    writePicture(QStringLiteral("Krebs.bmp"), 10, 10);
    writeText(QStringLiteral("Krebs.rtf"), QStringLiteral("Krebstext"));
    show(QDate(1990, 7, 1));
    const QImage shown = Image2.pixmap().toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 9)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(9, 0)), 0);
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(0, 0, 128));
}

TEST_F(ZodiacDisplay, PicturesComeFromTheProgramFolderNotTheWorkingDirectory)
{
    writePicture(QStringLiteral("Stier.bmp"), 6, 6);
    writeText(QStringLiteral("Stier.rtf"), QStringLiteral("Stiertext"));
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    EXPECT_NO_THROW(show(QDate(1970, 5, 1)));
    QDir::setCurrent(before);
    EXPECT_FALSE(Image2.pixmap().isNull());
}

TEST_F(ZodiacDisplay, MissingPictureKeepsTextAndCaption)
{
    writePicture(QStringLiteral("Widder.bmp"), 4, 4);
    writeText(QStringLiteral("Widder.rtf"), QStringLiteral("Widdertext"));
    writeText(QStringLiteral("Jungfrau.rtf"), QStringLiteral("Jungfrautext"));
    show(QDate(1980, 4, 1));

    try {
        show(QDate(1980, 9, 1));
        FAIL() << "no error for a missing picture";
    } catch (const zuv::core::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Jungfrau.bmp"))) << e.what();
    }
    // Only the slot switch has happened.
    EXPECT_FALSE(Image3.isHidden());
    EXPECT_TRUE(Image2.isHidden());
    EXPECT_TRUE(Image3.pixmap().isNull());
    EXPECT_EQ(Label3.text(), QStringLiteral("Widder\n21.3.- 20.4."));
    EXPECT_TRUE(RichEdit1.toPlainText().contains(QStringLiteral("Widdertext")));
}

// The picture is read as the format its name gives first; a PNG saved under the .bmp name
// must still show.
TEST_F(ZodiacDisplay, APictureInAnotherFormatThanItsNameStillShows)
{
    writePicture(QStringLiteral("Waage.bmp"), 30, 20, "PNG");
    writeText(QStringLiteral("Waage.rtf"), QStringLiteral("Waagetext"));
    show(QDate(1980, 10, 1));
    EXPECT_EQ(Image2.pixmap().size(), QSize(30, 20));
}

TEST_F(ZodiacDisplay, UnreadablePictureIsAnError)
{
    QFile junk(folder + QStringLiteral("BioBMPs/Waage.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a bitmap");
    junk.close();
    writeText(QStringLiteral("Waage.rtf"), QStringLiteral("Waagetext"));
    try {
        show(QDate(1980, 10, 1));
        FAIL() << "no error for a picture that is no picture";
    } catch (const zuv::core::Error& e) {
        // The file and the cause, in German.
        EXPECT_TRUE(e.message().contains(QStringLiteral("Waage.bmp"))) << e.what();
        EXPECT_TRUE(e.message().endsWith(QStringLiteral("(falscher Dateityp).")))
            << e.message().toStdString();
    }
    EXPECT_EQ(Label3.text(), QStringLiteral("Sternzeich."));
}

TEST_F(ZodiacDisplay, MissingTextShowsPictureLeavesTextEmptyAndCaptionOld)
{
    writePicture(QStringLiteral("Widder.bmp"), 4, 4);
    writeText(QStringLiteral("Widder.rtf"), QStringLiteral("Widdertext"));
    writePicture(QStringLiteral("Fische.bmp"), 7, 5);
    show(QDate(1980, 4, 1));

    EXPECT_THROW(show(QDate(1980, 3, 1)), zuv::core::Error);
    EXPECT_EQ(Image2.pixmap().size(), QSize(7, 5));
    EXPECT_TRUE(RichEdit1.toPlainText().isEmpty());
    EXPECT_EQ(Label3.text(), QStringLiteral("Widder\n21.3.- 20.4."));
}

} // namespace

namespace {

// A text file that is empty or holds no rich text is reported with its name, like a missing
// one, instead of leaving the box silently empty or full of garbage.
TEST_F(ZodiacDisplay, EmptyOrForeignTextIsReported)
{
    struct Case {
        QByteArray content;
        const char* cause;
    };
    const Case cases[] = {
        {"", "sie ist leer"},
        {"\x89PNG\r\n\x1a\n binary", "sie enthält keinen RTF-Text"},
    };
    writePicture(QStringLiteral("Fische.bmp"), 7, 5);
    for (const Case& c : cases) {
        QFile f(folder + QStringLiteral("TZeichen/Fische.rtf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.content);
        f.close();
        RichEdit1.setPlainText(QStringLiteral("alt"));
        try {
            show(QDate(1980, 3, 1));
            ADD_FAILURE() << "no error: " << c.cause;
        } catch (const zuv::core::Error& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Fische.rtf"))) << e.message().toStdString();
            EXPECT_TRUE(e.message().endsWith(QString::fromUtf8(c.cause) + u'.')) << e.message().toStdString();
        }
        EXPECT_TRUE(RichEdit1.toPlainText().isEmpty()) << c.cause;
    }
}

} // namespace
