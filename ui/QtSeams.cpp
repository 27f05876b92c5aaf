#include "ui/QtSeams.h"

#include <QApplication>

#include "ui/QtClipboardBackend.h"
#include "ui/QtScreenBackend.h"
#include "ui/QtSystemServices.h"
#include "ui/QtWindowSystem.h"

namespace ui {

QtSeams::QtSeams(const QString& programTitle, const QIcon& windowIcon) : m_previousIcon(QApplication::windowIcon())
{
    m_installation.setPrompter(m_prompter)
        .setKeyState(m_keyState)
        .setPendingEvents(m_pendingEvents)
        .setProgramTitle(programTitle);
    QtScreenBackend::install();
    QtClipboardBackend::install();
    QtWindowSystem::install();
    if (!windowIcon.isNull())
        QApplication::setWindowIcon(windowIcon);
    QtSystemServices::install();
}

QtSeams::~QtSeams()
{
    QApplication::setWindowIcon(m_previousIcon);
    QtSystemServices::uninstall();
    QtClipboardBackend::uninstall();
    QtWindowSystem::uninstall();
    QtScreenBackend::uninstall();
}

std::unique_ptr<QtSeams> installQtSeams(const QString& programTitle, const QIcon& windowIcon)
{
    return std::make_unique<QtSeams>(programTitle, windowIcon);
}

} // namespace ui
