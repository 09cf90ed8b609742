#include "sizing.h"

#include <QLayout>
#include <QWidget>

namespace zuv::app {

int scaled(int value, int numerator, int denominator)
{
    return static_cast<int>(static_cast<long long>(value) * numerator / denominator);
}

Sizing computeSizing(QSize screen, QSize client, QSize window)
{
    Sizing s;
    s.window = window;
    const int w = screen.width();
    const int h = screen.height();
    if (h == kDesignHeight && w == kDesignWidth)
        return s;
    s.scale = true;
    const int frameH = window.height() - client.height();
    const int frameW = window.width() - client.width();
    s.window.setHeight(client.height() * h / kDesignHeight + frameH);
    s.window.setWidth(client.width() * w / kDesignWidth + frameW);
    s.numerator = w;
    s.denominator = kDesignWidth;
    return s;
}

namespace {

bool managedByLayout(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(w) >= 0;
}

} // namespace

void scaleFont(QWidget* w, int num, int den)
{
    if (!w->testAttribute(Qt::WA_SetFont))
        return;
    QFont f = w->font();
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, scaled(f.pixelSize(), num, den)));
    else if (f.pointSize() > 0)
        f.setPointSize(std::max(1, scaled(f.pointSize(), num, den)));
    w->setFont(f);
}

void scaleControls(QWidget* root, int numerator, int denominator)
{
    const auto children = root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        if (!managedByLayout(child)) {
            const QRect g = child->geometry();
            child->setGeometry(scaled(g.x(), numerator, denominator),
                               scaled(g.y(), numerator, denominator),
                               scaled(g.width(), numerator, denominator),
                               scaled(g.height(), numerator, denominator));
        }
        scaleFont(child, numerator, denominator);
        scaleControls(child, numerator, denominator);
    }
}

} // namespace zuv::app
