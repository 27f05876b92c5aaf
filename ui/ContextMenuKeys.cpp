#include "ui/ContextMenuKeys.h"

#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

bool isMenuKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// Where the menu opens, in the control's own coordinates.
QPoint menuPoint(QWidget& control)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(&control)) {
        const QModelIndex current = view->currentIndex();
        if (current.isValid()) {
            const QRect item = view->visualRect(current).intersected(view->viewport()->rect());
            if (!item.isEmpty())
                return view->viewport()->mapTo(view, item.center());
        }
        return view->viewport()->mapTo(view, QPoint(0, 0));
    }
    return control.rect().center();
}

} // namespace

ContextMenuKeys::ContextMenuKeys(QWidget& window) : QObject(&window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool ContextMenuKeys::inWindow(const QWidget* widget) const
{
    return widget && (widget == &m_window || m_window.isAncestorOf(widget));
}

bool ContextMenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu && watched->isWidgetType() &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard &&
        inWindow(static_cast<QWidget*>(watched)) && event->spontaneous()) {
        m_platformSentMenu = true;
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // The key reaches the focused control first, then its parents: only that first delivery counts.
    QWidget* focus = m_window.focusWidget();
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched != focus || !inWindow(focus) || !isMenuKey(*key)) {
        m_platformSentMenu = false;
        return false;
    }
    if (std::exchange(m_platformSentMenu, false) && key->key() == Qt::Key_Menu)
        return true;
    const QPoint point = menuPoint(*focus);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, point, focus->mapToGlobal(point), key->modifiers());
    QApplication::sendEvent(focus, &menu);
    return true;
}

} // namespace ui
