// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// Draws the twelve zodiac pictures as 24-bit Windows bitmaps: the sign's glyph in the colour
// of its element on a light, softly shaded card. Usage: zodiac_bitmaps <output folder>
// Needs the DejaVu Sans font (Debian package fonts-dejavu-core).
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>

namespace {

enum class Element { Fire, Earth, Air, Water };

struct Sign {
    const char* file;
    char16_t glyph;
    Element element;
    bool upright; // shown in an upright slot
};

constexpr std::array kSigns{
    Sign{"Steinbock", 0x2651, Element::Earth, false}, Sign{"Wassermann", 0x2652, Element::Air, false},
    Sign{"Fische", 0x2653, Element::Water, false},    Sign{"Widder", 0x2648, Element::Fire, false},
    Sign{"Stier", 0x2649, Element::Earth, false},     Sign{"Zwillinge", 0x264A, Element::Air, false},
    Sign{"Krebs", 0x264B, Element::Water, false},     Sign{"Loewe", 0x264C, Element::Fire, false},
    Sign{"Jungfrau", 0x264D, Element::Earth, true},   Sign{"Waage", 0x264E, Element::Air, false},
    Sign{"Skorpion", 0x264F, Element::Water, false},  Sign{"Schuetze", 0x2650, Element::Fire, false},
};

// Glyph colour per element; the background is a pale tint of it.
QColor elementColor(Element e)
{
    switch (e) {
    case Element::Fire: return QColor(0xC6, 0x28, 0x28);
    case Element::Earth: return QColor(0x2E, 0x7D, 0x32);
    case Element::Air: return QColor(0xB0, 0x7A, 0x00);
    case Element::Water: return QColor(0x15, 0x65, 0xC0);
    }
    return Qt::black;
}

QColor tint(const QColor& c, double share)
{
    return QColor::fromRgbF(1.0 - share * (1.0 - c.redF()), 1.0 - share * (1.0 - c.greenF()),
                            1.0 - share * (1.0 - c.blueF()));
}

QImage draw(const Sign& sign, const QString& family)
{
    const QSize size = sign.upright ? QSize(98, 130) : QSize(130, 82);
    QImage image(size, QImage::Format_RGB32);
    const QColor ink = elementColor(sign.element);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0.0, tint(ink, 0.06));
    back.setColorAt(1.0, tint(ink, 0.20));
    p.fillRect(image.rect(), back);

    // A soft halo behind the glyph and a thin frame in the element colour.
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::min(size.width(), size.height()) * 0.46;
    QRadialGradient halo(centre, radius);
    halo.setColorAt(0.0, Qt::white);
    halo.setColorAt(0.75, tint(ink, 0.10));
    halo.setColorAt(1.0, tint(ink, 0.22));
    p.setPen(QPen(tint(ink, 0.45), 1.5));
    p.setBrush(halo);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(tint(ink, 0.55), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);

    // The glyph as an outline path so it sits exactly in the middle of the card.
    QFont font(family);
    font.setPixelSize(int(radius * 1.45));
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(QChar(sign.glyph)));
    const QRectF box = glyph.boundingRect();
    glyph.translate(centre - box.center());
    p.setPen(QPen(ink.darker(130), 1.2));
    p.setBrush(ink);
    p.drawPath(glyph);
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: zodiac_bitmaps <output folder>\n";
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (id < 0) {
        err << "DejaVuSans.ttf not found (install fonts-dejavu-core)\n";
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const Sign& sign : kSigns) {
        const QString path = out.filePath(QString::fromLatin1(sign.file) + ".bmp");
        if (!draw(sign, family).save(path, "BMP")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
