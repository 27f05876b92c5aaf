#include "interaction/QtPendingEvents.h"

#include <QCoreApplication>

namespace interaction
{

void QtPendingEvents::run()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace interaction
