#pragma once

#include <utility>

#include "interaction/Clock.h"

namespace interaction {

// A clock for tests: it stands at the time it was set to until a test moves it on.
class ScriptedClock : public Clock {
public:
    explicit ScriptedClock(QDateTime time) : m_time(std::move(time)) {}

    void set(const QDateTime& time) { m_time = time; }
    void advance(qint64 seconds) { m_time = m_time.addSecs(seconds); }
    QDateTime now() override { return m_time; }

private:
    QDateTime m_time;
};

} // namespace interaction
