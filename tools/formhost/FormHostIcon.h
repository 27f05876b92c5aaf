#pragma once

#include <QIcon>

namespace formhost {

// formhost's window icon: a small form with a text box and a button.
QIcon programImage();

} // namespace formhost
