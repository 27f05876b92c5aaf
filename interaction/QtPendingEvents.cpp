#include "interaction/QtPendingEvents.h"

#include <QCoreApplication>

namespace interaction {
namespace {
// Long loops ask after every item; repainting that often costs more than the items themselves,
// while a hundred runs a second keep the window alive and see Esc all the same.
constexpr qint64 minimumIntervalMs = 10;
} // namespace

void QtPendingEvents::run()
{
    if (!QCoreApplication::instance())
        return;
    if (m_sinceLastRun.isValid() && m_sinceLastRun.elapsed() < minimumIntervalMs)
        return;
    QCoreApplication::processEvents();
    m_sinceLastRun.start();
}

} // namespace interaction
