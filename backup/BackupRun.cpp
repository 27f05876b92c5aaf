#include "backup/BackupRun.h"

#include <utility>

#include "interaction/ProgressDisplay.h"

namespace backup {

BackupRun::BackupRun(QWidget& window, interaction::ProgressDisplay& display, Options options)
    : m_window(window), m_display(display), m_options(std::move(options))
{
}

void BackupRun::setStatusText(const QString& text)
{
    m_display.setStatusText(text);
}

void BackupRun::showProgress(bool visible)
{
    m_display.setProgressBarVisible(visible);
}

void BackupRun::beginPart(int from, int to)
{
    m_partFrom = from;
    m_partTo = to;
    m_display.setProgressValue(from);
}

void BackupRun::setProgress(int percent)
{
    m_display.setProgressValue(m_partFrom + (m_partTo - m_partFrom) * percent / 100);
}

} // namespace backup
