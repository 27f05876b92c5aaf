#pragma once

#include <QDateTime>

namespace interaction {

// The time of day, for time stamps in logs, journals and backups and for the clock a window
// shows. Tests install one that tells the time they choose.
class Clock {
public:
    virtual ~Clock();
    virtual QDateTime now() = 0;
};

} // namespace interaction
