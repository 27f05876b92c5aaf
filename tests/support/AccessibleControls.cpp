#include "tests/support/AccessibleControls.h"

#include <functional>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace {

bool isControl(const QWidget& widget)
{
    // A scroll bar is moved by its area's own keys; a widget with a focus proxy hands its focus on.
    if (qobject_cast<const QScrollBar*>(&widget) || widget.focusProxy())
        return false;
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QTabBar*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
           qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QMenuBar*>(&widget) ||
           (widget.focusPolicy() & Qt::TabFocus) != 0;
}

// The controls under root, root included, that show when the window does: a control's own
// children (a combo box's text box, a list's viewport) are its parts, not controls of their own.
void collectControls(QWidget& window, QWidget& widget, QList<QWidget*>& controls)
{
    if (isControl(widget)) {
        controls.append(&widget);
        return;
    }
    for (QObject* child : widget.children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (childWidget && !childWidget->isWindow() && childWidget->isVisibleTo(&window))
            collectControls(window, *childWidget, controls);
    }
}

QString describe(const QWidget& widget)
{
    QString name = widget.objectName().isEmpty() ? QStringLiteral("?") : widget.objectName();
    name += QStringLiteral(" (") + QLatin1String(widget.metaObject()->className()) + QLatin1Char(')');
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget()) {
        if (!parent->objectName().isEmpty())
            name += QStringLiteral(" in ") + parent->objectName();
    }
    return name;
}

QString captionOf(const QAction& entry)
{
    QString caption = entry.text().section(QLatin1Char('\t'), 0, 0);
    caption.remove(QLatin1Char('&'));
    return caption.trimmed();
}

// The visible entries of a menu, its submenus' included, that have no caption.
void collectUncaptioned(const QMenu& menu, const QString& where, QStringList& unnamed)
{
    for (const QAction* entry : menu.actions()) {
        if (entry->isSeparator() || !entry->isVisible())
            continue;
        const QString name = entry->objectName().isEmpty() ? QStringLiteral("?") : entry->objectName();
        if (captionOf(*entry).isEmpty())
            unnamed.append(name + QStringLiteral(" (menu entry) in ") + where);
        if (entry->menu())
            collectUncaptioned(*entry->menu(), name, unnamed);
    }
}

QStringList uncaptionedTabs(const QTabBar& tabs)
{
    QStringList unnamed;
    for (int index = 0; index < tabs.count(); ++index) {
        if (tabs.tabText(index).remove(QLatin1Char('&')).trimmed().isEmpty())
            unnamed.append(QStringLiteral("tab %1 of ").arg(index + 1) + describe(tabs));
    }
    return unnamed;
}

QString labelsOf(QAccessibleInterface& control)
{
    QStringList labels;
    const auto relations = control.relations(QAccessible::Label);
    for (const auto& [label, relation] : relations) {
        if (label)
            labels.append(label->text(QAccessible::Name).remove(QLatin1Char('&')).trimmed());
    }
    labels.removeAll(QString());
    return labels.join(QLatin1Char(' '));
}

void report(const QStringList& controls, const char* what, const std::source_location& where)
{
    if (controls.isEmpty())
        return;
    const QString message = QLatin1String(what) + QStringLiteral(":\n  ") + controls.join(QStringLiteral("\n  "));
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
}

} // namespace

QString announcedName(QWidget& widget)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(&widget);
    if (!control)
        return {};
    if (control->role() == QAccessible::ComboBox)
        return labelsOf(*control);
    const QString name = control->text(QAccessible::Name).remove(QLatin1Char('&')).trimmed();
    return name.isEmpty() ? labelsOf(*control) : name;
}

QStringList unnamedControls(QWidget& window)
{
    QList<QWidget*> controls;
    collectControls(window, window, controls);
    QStringList unnamed;
    for (QWidget* control : std::as_const(controls)) {
        if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            unnamed += uncaptionedTabs(*tabs);
        } else if (auto* menuBar = qobject_cast<QMenuBar*>(control)) {
            for (const QAction* menu : menuBar->actions()) {
                if (menu->isVisible() && !menu->isSeparator() && captionOf(*menu).isEmpty())
                    unnamed.append(menu->objectName() + QStringLiteral(" (menu) in ") + describe(*menuBar));
            }
        } else if (announcedName(*control).isEmpty()) {
            unnamed.append(describe(*control));
        }
    }
    const auto menus = window.findChildren<QMenu*>();
    for (const QMenu* menu : menus)
        collectUncaptioned(*menu, menu->objectName().isEmpty() ? QStringLiteral("?") : menu->objectName(), unnamed);
    unnamed.removeDuplicates();
    return unnamed;
}

QStringList unreachableControls(QWidget& window)
{
    QSet<const QWidget*> tabStops;
    for (QWidget* widget = window.nextInFocusChain(); widget && widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) && widget->isEnabled())
            tabStops.insert(widget);
    }
    const auto reached = [&](const QWidget& control) {
        if (tabStops.contains(&control) || qobject_cast<const QMenuBar*>(&control))
            return true;
        const auto parts = control.findChildren<QWidget*>();
        for (const QWidget* part : parts) {
            if (tabStops.contains(part))
                return true;
        }
        return false;
    };
    QList<QWidget*> controls;
    collectControls(window, window, controls);
    QStringList unreachable;
    for (const QWidget* control : std::as_const(controls)) {
        if (control->isVisibleTo(&window) && control->isEnabled() && !reached(*control))
            unreachable.append(describe(*control));
    }
    return unreachable;
}

void expectEveryControlNamed(QWidget& window, std::source_location where)
{
    report(unnamedControls(window), "Controls a screen reader cannot name", where);
}

void expectEveryControlReachable(QWidget& window, std::source_location where)
{
    report(unreachableControls(window), "Controls the Tab key never reaches", where);
}
