#include "ui/AccessibleWindow.h"

#include <cmath>

#include <QAbstractButton>
#include <QAction>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QToolBar>
#include <QToolButton>

#include "ui/ContextMenuKeys.h"

namespace ui::accessibleWindow {

namespace {

QString withoutAccessKey(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

void adoptToolBar(QToolBar& toolBar)
{
    for (QAction* action : toolBar.actions()) {
        auto* button = qobject_cast<QToolButton*>(toolBar.widgetForAction(action));
        if (!button)
            continue;
        button->setFocusPolicy(Qt::TabFocus);
        if (button->accessibleName().isEmpty() && withoutAccessKey(button->text()).isEmpty())
            button->setAccessibleName(withoutAccessKey(action->toolTip()));
    }
}

// On this desktop a combo box's name is its current text; its label reaches the screen reader
// as the box's label relation, so it is left as it is.
void nameByLabel(const QLabel& label)
{
    QWidget* buddy = label.buddy();
    if (!buddy || qobject_cast<QComboBox*>(buddy) || qobject_cast<QAbstractButton*>(buddy) ||
        !buddy->accessibleName().isEmpty())
        return;
    buddy->setAccessibleName(withoutAccessKey(label.text()));
}

} // namespace

void adoptAccessibility(QWidget& window)
{
    const auto toolBars = window.findChildren<QToolBar*>();
    for (QToolBar* toolBar : toolBars)
        adoptToolBar(*toolBar);
    const auto labels = window.findChildren<QLabel*>();
    for (const QLabel* label : labels)
        nameByLabel(*label);
    if (!window.findChild<ContextMenuKeys*>(QString(), Qt::FindDirectChildrenOnly))
        new ContextMenuKeys(window);
}

QColor readableTextOn(const QColor& background)
{
    // Relative luminance, as the contrast rules of the accessibility guidelines weigh it.
    const auto channel = [](float value) {
        return value <= 0.03928f ? value / 12.92f : std::pow((value + 0.055f) / 1.055f, 2.4f);
    };
    const QColor rgb = background.toRgb();
    const float luminance =
        0.2126f * channel(rgb.redF()) + 0.7152f * channel(rgb.greenF()) + 0.0722f * channel(rgb.blueF());
    // Black and white give the same contrast on a luminance of about 0.18.
    return luminance > 0.179f ? QColor(Qt::black) : QColor(Qt::white);
}

void setBackground(QWidget& control, const QColor& background)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, readableTextOn(background));
    control.setPalette(palette);
}

} // namespace ui::accessibleWindow
