#include "ui/FormGeometry.h"

#include <QDialog>
#include <QVariant>
#include <QWidget>

#include "platform/RuntimeError.h"
#include "ui/WidgetKinds.h"

namespace ui::formGeometry {

namespace {

constexpr int normal = 0;
constexpr int minimised = 1;
constexpr int maximised = 2;

constexpr Qt::WindowStates sizedStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

const QWidget& outer(const QWidget& form)
{
    return widgetKinds::isMdiChild(form) ? *form.parentWidget() : form;
}

bool isFixedSize(const QWidget& window)
{
    return window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint) ||
           window.minimumSize() == window.maximumSize();
}

} // namespace

QWidget& outer(QWidget& form)
{
    return widgetKinds::isMdiChild(form) ? *form.parentWidget() : form;
}

QRect frame(const QWidget& form)
{
    return outer(form).frameGeometry();
}

void setFrame(QWidget& form, const QRect& frame)
{
    if (windowState(form) != normal)
        throw platform::RuntimeError(384);
    QWidget& window = outer(form);
    const QSize margins = window.frameGeometry().size() - window.size();
    window.move(frame.topLeft());
    window.resize((frame.size() - margins).expandedTo(QSize(0, 0)));
}

int windowState(const QWidget& form)
{
    const Qt::WindowStates state = outer(form).windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return minimised;
    if (state.testFlag(Qt::WindowMaximized) || state.testFlag(Qt::WindowFullScreen))
        return maximised;
    return normal;
}

void setWindowState(QWidget& form, int state)
{
    QWidget& window = outer(form);
    const Qt::WindowStates others = window.windowState() & ~sizedStates;
    switch (state) {
    case normal:
        window.setWindowState(others);
        break;
    case minimised:
        window.setWindowState(others | Qt::WindowMinimized);
        break;
    case maximised:
        window.setWindowState(others | Qt::WindowMaximized);
        break;
    default:
        throw platform::RuntimeError(380);
    }
}

int borderStyle(const QWidget& form)
{
    const QVariant declared = form.property("BorderStyle");
    if (declared.isValid())
        return declared.toInt();
    const QWidget& window = outer(form);
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return 0;
    const bool tool = window.windowType() == Qt::Tool;
    if (isFixedSize(window)) {
        if (tool)
            return 4;
        return qobject_cast<const QDialog*>(&window) ? 3 : 1;
    }
    return tool ? 5 : 2;
}

} // namespace ui::formGeometry
