#include "ui/QtKeyState.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace ui {

QtKeyState::QtKeyState()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

QtKeyState::~QtKeyState()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool QtKeyState::isDown(interaction::Key key)
{
    switch (key) {
    case interaction::Key::Shift:
        return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    case interaction::Key::Escape: {
        const bool down = m_escapeDown || m_escapePressedSinceQuery;
        m_escapePressedSinceQuery = false;
        return down;
    }
    }
    return false;
}

void QtKeyState::forgetEarlierPresses(interaction::Key key)
{
    if (key == interaction::Key::Escape)
        m_escapePressedSinceQuery = false;
}

bool QtKeyState::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_escapeDown = true;
            m_escapePressedSinceQuery = true;
        }
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
            m_escapeDown = false;
        break;
    }
    case QEvent::ApplicationDeactivate:
        // The release may go to another program's window.
        m_escapeDown = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
