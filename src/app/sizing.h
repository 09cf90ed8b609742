#pragma once
// Fits the main window to the screen it opens on. The window was designed for a client area
// of 848 x 551 pixels; on any other screen the client area takes the screen's width and
// height and every control is scaled by screen width / 848.

#include <QSize>

class QWidget;

namespace zuv::app {

inline constexpr int kDesignWidth = 848;
inline constexpr int kDesignHeight = 551;

struct Sizing {
    bool scale = false;   // false on a screen of exactly 848 x 551
    QSize window;         // new outer window size (frame included)
    int numerator = 1;    // controls are scaled by numerator / denominator
    int denominator = 1;
};

// screen: the screen in pixels; client and window: the window's client and outer sizes.
// Products are formed before the integer divisions, which drop the remainder.
Sizing computeSizing(QSize screen, QSize client, QSize window);

// Scales a length as the controls are scaled: value * numerator / denominator, truncated.
int scaled(int value, int numerator, int denominator);

// Scales position, size and font of every child of root that is placed by hand (not
// managed by a layout), recursively; fonts with a pixel size keep pixels, others points.
void scaleControls(QWidget* root, int numerator, int denominator);

// Scales a widget's own font (set on it, not inherited) by numerator / denominator.
void scaleFont(QWidget* widget, int numerator, int denominator);

} // namespace zuv::app
