#pragma once

#include <QIcon>
#include <QString>

namespace desktop {

// The icon a program shows in the desktop's menu: its own drawn image where it has one, else its
// initial on a tile.
QIcon programIcon(const QString& program);

} // namespace desktop
