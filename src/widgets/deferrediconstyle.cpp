// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "deferrediconstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace zuv::widgets {

namespace {

// Asks the style for its icon the first time the icon is drawn or measured.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : m_style(style)
        , m_which(which)
        , m_widget(widget)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

private:
    const QIcon& icon()
    {
        if (!m_loaded) {
            m_loaded = true;
            if (m_style)
                m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;   // the bar, for its direction; gone means none
    bool m_loaded = false;
    QIcon m_icon;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(const QString& baseStyleKey)
    : QProxyStyle(baseStyleKey)
{
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const
{
    if ((which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        && !option)
        return QIcon(new DeferredIconEngine(baseStyle(), which, widget));
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace zuv::widgets
