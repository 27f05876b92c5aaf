#pragma once

#include <QElapsedTimer>

#include "interaction/PendingEvents.h"

namespace interaction {

// Runs the events waiting in the Qt event loop of the application, when there is one.
class QtPendingEvents : public PendingEvents {
public:
    void run() override;

private:
    QElapsedTimer m_sinceLastRun;
};

} // namespace interaction
