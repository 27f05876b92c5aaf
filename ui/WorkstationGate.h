#pragma once

#include <QString>

namespace ui {

// Keeps a program from starting on a workstation nobody has set up. Made before anything opens
// the workstation (which would lay out an empty one); asked once the seams are installed.
class WorkstationGate {
public:
    WorkstationGate();

    // True when the workstation is set up; otherwise tells the user (on the terminal too, for a
    // start from a shell) how to set it up, and returns false.
    bool letsThrough() const;

private:
    QString m_notice;
};

} // namespace ui
