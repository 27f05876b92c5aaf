#include "ui/GuardedApplication.h"

#include <QWidget>

#include "interaction/ErrorDialog.h"
#include "platform/RuntimeError.h"

namespace ui {

namespace {

// Qt's own inner objects (viewports, scroll bars) are named "qt_...".
bool isNamed(const QObject& object)
{
    return !object.objectName().isEmpty() && !object.objectName().startsWith(QLatin1String("qt_"));
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::RuntimeError& error) {
        QString description = error.description();
        interaction::ShowErrorDialog(procedureOf(receiver), float(error.number()), description);
        return false;
    }
}

QString GuardedApplication::procedureOf(const QObject* receiver)
{
    const QObject* named = receiver;
    while (named && !isNamed(*named))
        named = named->parent();
    if (!named)
        return receiver ? QString::fromLatin1(receiver->metaObject()->className()) : QString();
    const auto* widget = qobject_cast<const QWidget*>(named);
    const QWidget* window = widget ? widget->window() : nullptr;
    if (!window || window == widget || !isNamed(*window))
        return named->objectName();
    return window->objectName() + QLatin1Char('_') + named->objectName();
}

} // namespace ui
