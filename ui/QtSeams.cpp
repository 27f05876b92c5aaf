#include "ui/QtSeams.h"

#include "ui/QtClipboardBackend.h"
#include "ui/QtScreenBackend.h"
#include "ui/QtSystemServices.h"
#include "ui/QtWindowSystem.h"

namespace ui {

QtSeams::QtSeams(const QString& programTitle)
{
    m_installation.setPrompter(m_prompter)
        .setKeyState(m_keyState)
        .setPendingEvents(m_pendingEvents)
        .setProgramTitle(programTitle);
    QtScreenBackend::install();
    QtClipboardBackend::install();
    QtWindowSystem::install();
    QtSystemServices::install();
}

QtSeams::~QtSeams()
{
    QtSystemServices::uninstall();
    QtClipboardBackend::uninstall();
    QtWindowSystem::uninstall();
    QtScreenBackend::uninstall();
}

std::unique_ptr<QtSeams> installQtSeams(const QString& programTitle)
{
    return std::make_unique<QtSeams>(programTitle);
}

} // namespace ui
