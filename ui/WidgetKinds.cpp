#include "ui/WidgetKinds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "ui/PictureControl.h"

namespace ui::widgetKinds {

namespace {

using automation::ControlKind;

bool isControlName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void appendControls(const QWidget& parent, QList<QWidget*>& controls)
{
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget))
            continue;
        if (isControlName(widget->objectName()))
            controls.append(widget);
        appendControls(*widget, controls);
    }
}

} // namespace

bool isForm(const QWidget& widget)
{
    return widget.isWindow() || isMdiChild(widget);
}

bool isMdiChild(const QWidget& form)
{
    const auto* subWindow = qobject_cast<const QMdiSubWindow*>(form.parentWidget());
    return subWindow && subWindow->widget() == &form;
}

bool isMdiParent(const QWidget& form)
{
    return form.findChild<QMdiArea*>() != nullptr;
}

ControlKind kindOf(const QWidget& widget)
{
    if (const auto* picture = qobject_cast<const PictureControl*>(&widget))
        return picture->kind() == PictureControl::Kind::PictureBox ? ControlKind::PictureBox : ControlKind::Image;
    if (qobject_cast<const QCheckBox*>(&widget))
        return ControlKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(&widget))
        return ControlKind::OptionButton;
    if (qobject_cast<const QPushButton*>(&widget))
        return ControlKind::CommandButton;
    if (qobject_cast<const QComboBox*>(&widget))
        return ControlKind::ComboBox;
    if (qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
        qobject_cast<const QPlainTextEdit*>(&widget))
        return ControlKind::TextBox;
    if (qobject_cast<const QLabel*>(&widget))
        return ControlKind::Label;
    if (qobject_cast<const QListWidget*>(&widget))
        return ControlKind::ListBox;
    return ControlKind::Other;
}

QList<QWidget*> controlsOf(const QWidget& form)
{
    QList<QWidget*> controls;
    appendControls(form, controls);
    return controls;
}

} // namespace ui::widgetKinds
