#pragma once

#include "ui/Picture.h"

// The window's two pictures, drawn in code: a disk that an arrow goes into (save) and one that an
// arrow comes out of (restore).
namespace backup::pictures {

ui::Picture save();
ui::Picture restore();

} // namespace backup::pictures
