#include "interaction/BusyPointer.h"

#include "automation/Screen.h"

namespace interaction {

BusyPointer::BusyPointer() : m_previous(automation::Screen::mousePointer())
{
    automation::Screen::setMousePointer(Hourglass);
}

BusyPointer::~BusyPointer()
{
    restore();
}

void BusyPointer::restore()
{
    if (m_restored)
        return;
    m_restored = true;
    automation::Screen::setMousePointer(m_previous);
}

} // namespace interaction
