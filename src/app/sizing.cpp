// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sizing.h"

#include <algorithm>
#include <cmath>

namespace zuv::app {

double fitFactor(QSize workArea, QSize frame, QSize chrome)
{
    const double across = double(workArea.width() - frame.width() - chrome.width())
        / kPageDesignSize.width();
    const double down = double(workArea.height() - frame.height() - chrome.height())
        / kPageDesignSize.height();
    return std::max(0.1, std::min(across, down));
}

QRect usableArea(QRect available, bool workAreaKnown)
{
    if (workAreaKnown)
        return available;
    const QSize room = available.size() - kUnknownPanelAllowance;
    if (room.width() <= 0 || room.height() <= 0)
        return available;
    return {available.topLeft() + QPoint(kUnknownPanelAllowance.width() / 2, kUnknownPanelAllowance.height() / 2),
            room};
}

namespace {

QSize pageAt(double factor, bool roundUp)
{
    const auto edge = [roundUp](int v, double f) {
        return roundUp ? int(std::ceil(v * f - 1e-9)) : int(std::lround(v * f));
    };
    return {edge(kPageDesignSize.width(), factor), edge(kPageDesignSize.height(), factor)};
}

} // namespace

Sizing sizingFor(double factor, QSize chrome, double devicePixelRatio)
{
    Sizing s;
    s.factor = factor;
    s.window = chrome + pageAt(factor, false);
    const double readable = kSmallestReadableScale / std::max(1.0, devicePixelRatio);
    s.minimumPage = pageAt(std::min(factor, readable), factor > readable);
    s.minimumPage = s.minimumPage.boundedTo(pageAt(factor, false));
    return s;
}

} // namespace zuv::app
