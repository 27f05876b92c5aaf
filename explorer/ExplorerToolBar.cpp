#include "explorer/ExplorerToolBar.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "explorer/Icons.h"
#include "interaction/TrapAndAsk.h"

namespace explorer {

namespace {

const char* const keyProperty = "toolbarKey";
const char* const imageKeyProperty = "toolbarImageKey";
const char* const descriptionProperty = "toolbarDescription";

struct ButtonDefinition {
    QLatin1String key; // empty for a separator
    QLatin1String imageKey;
    QLatin1String toolTip;
};

constexpr ButtonDefinition separatorButton{QLatin1String(), QLatin1String(), QLatin1String()};

const ButtonDefinition buttonDefinitions[] = {
    {QLatin1String("Esci"), QLatin1String("Esci"), QLatin1String("Esci da Schedex")},
    {QLatin1String("Nuovo"), QLatin1String("nuovo"), QLatin1String("Nuovo archivio")},
    separatorButton,
    {QLatin1String("Importa"), QLatin1String("Importa"), QLatin1String("Importa scheda")},
    {QLatin1String("Esporta"), QLatin1String("Esporta"), QLatin1String("Esporta scheda")},
    {QLatin1String("Elimina"), QLatin1String("Elimina"), QLatin1String("Elimina scheda o schedario")},
    {QLatin1String("Compatta"), QLatin1String("Compatta"), QLatin1String("Compatta archivio")},
    separatorButton,
    {QLatin1String("Taglia"), QLatin1String("taglia"), QLatin1String("Taglia scheda")},
    {QLatin1String("Copia"), QLatin1String("copia"), QLatin1String("Copia scheda")},
    {QLatin1String("Incolla"), QLatin1String("incolla"), QLatin1String("Incolla scheda")},
    separatorButton,
    {QLatin1String("Email"), QLatin1String("Email"), QLatin1String("Invia tramite email")},
    {QLatin1String("Fattura"), QLatin1String("Fattura"), QLatin1String("Fattura le schede selezionate")},
};

} // namespace

const QString ExplorerToolBar::controlDragFormat = QStringLiteral("application/x-schedex-control");

ExplorerToolBar::ExplorerToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("MainToolBar"));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAcceptDrops(true);
}

void ExplorerToolBar::ConfigureToolBar()
{
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:ConfigureToolBar"));
    for (const ButtonDefinition& definition : buttonDefinitions) {
        const bool carryOn = procedure.step([&] {
            if (definition.key.isEmpty())
                addSeparatorButton();
            else
                addButton(definition.key, definition.imageKey, definition.toolTip);
        });
        if (!carryOn)
            return;
    }
}

void ExplorerToolBar::addButton(const QString& key, const QString& imageKey, const QString& toolTip)
{
    QAction* created = addAction(icons::toolbarImage(imageKey), QString());
    created->setObjectName(QStringLiteral("MainToolBar_") + key);
    created->setProperty(keyProperty, key);
    created->setProperty(imageKeyProperty, imageKey);
    created->setToolTip(toolTip);
    // Not the status tip: that would cover the status bar's panels while the pointer rests here.
    created->setProperty(descriptionProperty, toolTip);
    connect(created, &QAction::triggered, this, [this, key] { Q_EMIT buttonClicked(key); });
    m_buttons.append(created);
}

void ExplorerToolBar::addSeparatorButton()
{
    m_buttons.append(addSeparator());
}

QAction* ExplorerToolBar::button(int index) const
{
    return index >= 1 && index <= buttonCount() ? m_buttons.at(index - 1) : nullptr;
}

QAction* ExplorerToolBar::button(const QString& key) const
{
    for (QAction* candidate : m_buttons) {
        if (ExplorerToolBar::key(*candidate) == key)
            return candidate;
    }
    return nullptr;
}

QString ExplorerToolBar::key(const QAction& button)
{
    return button.property(keyProperty).toString();
}

QString ExplorerToolBar::imageKey(const QAction& button)
{
    return button.property(imageKeyProperty).toString();
}

QString ExplorerToolBar::description(const QAction& button)
{
    return button.property(descriptionProperty).toString();
}

int ExplorerToolBar::leftEdge(int index) const
{
    const QWidget* widget = widgetForAction(button(index));
    return widget ? widget->x() : 0;
}

int ExplorerToolBar::buttonAtDropPoint(int x) const
{
    const int count = buttonCount();
    for (int index = 1; index < count; ++index) {
        if (leftEdge(index) <= x && x < leftEdge(index + 1))
            return index;
    }
    if (count > 0) {
        const QWidget* last = widgetForAction(button(count));
        if (last && last->x() <= x && x <= last->x() + last->width())
            return count;
    }
    return 0;
}

bool ExplorerToolBar::isOwnControlDrag(const QDropEvent& event) const
{
    return event.mimeData() && event.mimeData()->hasFormat(controlDragFormat);
}

void ExplorerToolBar::dragEnterEvent(QDragEnterEvent* event)
{
    if (isOwnControlDrag(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ExplorerToolBar::dragMoveEvent(QDragMoveEvent* event)
{
    if (isOwnControlDrag(*event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ExplorerToolBar::dropEvent(QDropEvent* event)
{
    if (!isOwnControlDrag(*event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (QAction* target = button(buttonAtDropPoint(event->position().toPoint().x())); target && target->isEnabled())
        target->trigger();
}

} // namespace explorer
