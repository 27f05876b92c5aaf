#pragma once

#include <QString>

namespace common {

// What a program started on a workstation nobody has set up tells the user, with the command
// that sets it up; empty when the workstation ($TRAMEX_WORKSTATION, else the user's) has its
// drives.ini. Asked before anything opens the workstation, which would lay out an empty one.
QString workstationNotSetUpNotice();

} // namespace common
