#include "interaction/RecordingProgressDisplay.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace interaction {

void RecordingProgressDisplay::setStatusText(const QString& text)
{
    record(QStringLiteral("status ") + text);
}

void RecordingProgressDisplay::placeProgressBar()
{
    record(QStringLiteral("place"));
}

void RecordingProgressDisplay::setProgressBarVisible(bool visible)
{
    m_visible = visible;
    record(QStringLiteral("visible %1").arg(visible ? 1 : 0));
}

void RecordingProgressDisplay::setProgressMinimum(int minimum)
{
    m_minimum = minimum;
    record(QStringLiteral("minimum %1").arg(minimum));
}

void RecordingProgressDisplay::setProgressMaximum(int maximum)
{
    if (maximum < 1) {
        record(QStringLiteral("refused maximum %1").arg(maximum));
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    }
    m_maximum = maximum;
    record(QStringLiteral("maximum %1").arg(maximum));
}

void RecordingProgressDisplay::setProgressValue(int value)
{
    if (value < m_minimum || value > m_maximum) {
        record(QStringLiteral("refused value %1").arg(value));
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    }
    record(QStringLiteral("value %1").arg(value));
}

} // namespace interaction
