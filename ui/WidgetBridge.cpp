#include "ui/WidgetBridge.h"

#include <QMdiSubWindow>

#include "ui/ControlMembers.h"
#include "ui/FormMembers.h"
#include "ui/WidgetKinds.h"
#include "ui/WidgetObject.h"

namespace ui::widgetBridge {

automation::ObjectRef form(QWidget& form)
{
    auto* subWindow = qobject_cast<QMdiSubWindow*>(&form);
    QWidget& widget = subWindow && subWindow->widget() ? *subWindow->widget() : form;
    return std::make_shared<WidgetObject>(widget, formMembers());
}

automation::ObjectRef control(QWidget& control)
{
    return std::make_shared<WidgetObject>(control, controlMembers(widgetKinds::kindOf(control)));
}

automation::ObjectRef object(QWidget& widget)
{
    if (widgetKinds::isForm(widget) || qobject_cast<QMdiSubWindow*>(&widget))
        return form(widget);
    return control(widget);
}

} // namespace ui::widgetBridge
