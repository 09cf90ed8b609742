#pragma once
// The program's icon: three cycle curves over a blue-to-white ground, drawn in code so that
// it needs no file.

#include <QIcon>
#include <QPixmap>

namespace zuv::info {

// The icon at size x size pixels (size >= 16).
QPixmap programIconPixmap(int size);
// The program icon in the usual sizes (16, 32, 48, 64, 128), drawn on the first call.
QIcon programIcon();

} // namespace zuv::info
