#pragma once

#include <QString>
#include <QStringList>

#include "interaction/ProgressDisplay.h"

namespace interaction {

// A progress display for tests that records what is done to it, one line each: "status TEXT",
// "place", "visible 1" / "visible 0", "minimum N", "maximum N", "value N". It refuses what the
// platform's progress bar refuses, with error 380, and records the refusal ("refused maximum N",
// "refused value N"). A window around it records its own lines in the same log.
class RecordingProgressDisplay : public ProgressDisplay {
public:
    const QStringList& log() const { return m_log; }
    void record(const QString& line) { m_log.append(line); }
    void clearLog() { m_log.clear(); }
    bool progressBarVisible() const { return m_visible; }

    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMinimum(int minimum) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

private:
    QStringList m_log;
    bool m_visible = false;
    int m_minimum = 0;
    int m_maximum = 100;
};

} // namespace interaction
