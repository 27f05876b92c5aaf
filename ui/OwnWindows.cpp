#include "ui/OwnWindows.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <QWindow>

#include "ui/WidgetBridge.h"

namespace ui::ownWindows {

namespace {

bool isFormWindow(const QWidget& widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool);
}

QList<QWidget*> formWindows()
{
    QList<QWidget*> windows;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return windows;
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    for (QWidget* widget : topLevel)
        if (isFormWindow(*widget))
            windows.append(widget);
    return windows;
}

} // namespace

bool closeTitled(const QString& title)
{
    const QList<QWidget*> windows = formWindows();
    for (const bool visible : {true, false}) {
        for (QWidget* window : windows) {
            if (window->isVisible() != visible || window->windowTitle() != title)
                continue;
            return QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }
    return false;
}

bool setTopmost(std::int64_t handle, bool topmost)
{
    for (QWidget* window : formWindows()) {
        if (!window->internalWinId() || std::uint32_t(window->internalWinId()) != std::uint32_t(handle))
            continue;
        const Qt::WindowFlags flags = window->windowFlags();
        if (flags.testFlag(Qt::WindowStaysOnTopHint) != topmost) {
            const Qt::WindowFlags changed = flags ^ Qt::WindowStaysOnTopHint;
            // Telling the platform window alone keeps a shown window from being hidden and made again.
            window->overrideWindowFlags(changed);
            if (QWindow* native = window->windowHandle())
                native->setFlags(changed);
        }
        if (window->isHidden()) {
            const bool withoutActivating = window->testAttribute(Qt::WA_ShowWithoutActivating);
            window->setAttribute(Qt::WA_ShowWithoutActivating);
            window->show();
            window->setAttribute(Qt::WA_ShowWithoutActivating, withoutActivating);
        }
        return true;
    }
    return false;
}

std::vector<automation::ObjectRef> forms()
{
    std::vector<automation::ObjectRef> found;
    for (QWidget* window : formWindows()) {
        found.push_back(widgetBridge::form(*window));
        const QList<QMdiArea*> areas = window->findChildren<QMdiArea*>();
        for (QMdiArea* area : areas)
            for (QMdiSubWindow* child : area->subWindowList())
                if (child->widget())
                    found.push_back(widgetBridge::form(*child->widget()));
    }
    return found;
}

} // namespace ui::ownWindows
