#include "explorer/ExplorerLayout.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTreeView>

#include "common/Settings.h"
#include "explorer/ArchiveListView.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/SingleText.h"
#include "interaction/TrapAndAsk.h"
#include "interaction/Twips.h"
#include "ui/FormPlacement.h"
#include "ui/WidgetTwips.h"

namespace explorer {

namespace {

namespace twips = ui::widgetTwips;

constexpr int gap = 100;
constexpr int bottomAllowance = 700;
constexpr int leastDividerX = 100;
constexpr int listsLeft = 100;
constexpr int listsTop = 100;

const QString defaultTwips = QStringLiteral("1000");

QString iniFile()
{
    return store::explorerState().IniFileName;
}

// A stored number of twips, held far inside what a widget of pixels can take.
int storedTwips(float value)
{
    constexpr float limit = 1.0e8f;
    return int(std::lround(std::clamp(value, -limit, limit)));
}

QString twipsText(int value)
{
    return interaction::singleText(float(value));
}

QString columnKey(int column)
{
    return QStringLiteral("Colonna_") + QString::number(column);
}

} // namespace

int ExplorerLayout::readTwips(const QString& section, const QString& key)
{
    return storedTwips(common::settings::readSingle(section, key, defaultTwips, iniFile()));
}

ExplorerLayout::ExplorerLayout(QMainWindow& window, QWidget& surface, ArchiveListView& archiveList, QTreeView& cardList)
    : QObject(&window), m_window(window), m_surface(surface), m_archiveList(archiveList), m_cardList(cardList)
{
    twips::setLeft(m_archiveList, listsLeft);
    twips::setTop(m_archiveList, listsTop);
    twips::setTop(m_cardList, listsTop);
    twips::setLeft(m_cardList, listsLeft + twips::width(m_archiveList) + gap);
    m_surface.setMouseTracking(true);
    m_surface.installEventFilter(this);
    m_archiveList.installEventFilter(this);
    m_cardList.installEventFilter(this);
}

void ExplorerLayout::arrange()
{
    if (m_window.isMinimized())
        return;
    const int clientWidth = twips::width(m_surface);
    const int clientHeight = twips::height(m_surface);
    const int listHeight = clientHeight - gap - twips::top(m_archiveList) - bottomAllowance;
    twips::setHeight(m_archiveList, listHeight);
    twips::setHeight(m_cardList, twips::height(m_archiveList));
    twips::setWidth(m_cardList, clientWidth - twips::left(m_archiveList) - gap - twips::left(m_cardList) - gap);
}

bool ExplorerLayout::isOverDivider(int xTwips, int yTwips) const
{
    const int archiveRight = twips::left(m_archiveList) + twips::width(m_archiveList);
    const int archiveTop = twips::top(m_archiveList);
    return xTwips >= archiveRight && xTwips <= twips::left(m_cardList) && yTwips >= archiveTop &&
           yTwips <= archiveTop + twips::height(m_archiveList);
}

void ExplorerLayout::surfaceMouseMove(int x, int y, bool leftButtonDown)
{
    const int xTwips = interaction::twips::fromPixels(x);
    const int yTwips = interaction::twips::fromPixels(y);
    m_dragging = leftButtonDown;
    if (isOverDivider(xTwips, yTwips) || m_dragging)
        m_surface.setCursor(Qt::SizeHorCursor);
    else
        m_surface.unsetCursor();
    if (m_dragging) {
        const int archiveLeft = twips::left(m_archiveList);
        const int dividerX = std::max(xTwips, leastDividerX);
        // A width of zero or less would make the list vanish: the list keeps its width.
        if (const int width = dividerX - archiveLeft - gap / 2; width > 0)
            twips::setWidth(m_archiveList, width);
        const int cardLeft = archiveLeft + twips::width(m_archiveList) + gap;
        twips::setLeft(m_cardList, cardLeft);
        const int clientWidth = twips::width(m_surface);
        if (cardLeft < clientWidth - gap / 2)
            twips::setWidth(m_cardList, clientWidth - archiveLeft - gap - cardLeft - gap);
    }
    arrange();
}

bool ExplorerLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_surface) {
        if (event->type() == QEvent::Resize) {
            arrange();
        } else if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            const QPoint position = move->position().toPoint();
            surfaceMouseMove(position.x(), position.y(), move->buttons().testFlag(Qt::LeftButton));
        }
    } else if (event->type() == QEvent::Enter) {
        // The sizing arrow never stays on a list.
        m_surface.unsetCursor();
    }
    return QObject::eventFilter(watched, event);
}

void ExplorerLayout::LoadControlsPos()
{
    const QString archiveSection = QStringLiteral("LVDB");
    twips::setWidth(m_archiveList, readTwips(archiveSection, QStringLiteral("Width")));
    m_archiveList.setColumnWidth(readTwips(archiveSection, columnKey(1)));
    twips::setLeft(m_cardList, twips::left(m_archiveList) + twips::width(m_archiveList) + gap);

    if (common::settings::read(QStringLiteral("FrmExplorer"), QStringLiteral("Maximize"), QStringLiteral("0"),
                               iniFile()) == QLatin1String("1"))
        m_window.setWindowState(Qt::WindowMaximized);
    else
        ui::RestoreFormPlacement(m_window, iniFile(), false, false);

    const QString cardSection = QStringLiteral("LWModelli");
    for (int column = 1; column <= m_cardList.header()->count(); ++column) {
        const int width = readTwips(cardSection, columnKey(column));
        if (width >= 0)
            m_cardList.header()->resizeSection(column - 1, interaction::twips::toPixels(width));
    }
    arrange();
}

void ExplorerLayout::SaveControlsPos()
{
    interaction::TrapAndAsk procedure(m_window.objectName() + QStringLiteral("_SaveControlsPos"));
    const QString archiveSection = QStringLiteral("LVDB");
    const QString ini = iniFile();
    if (!procedure.step([&] {
            common::settings::write(archiveSection, QStringLiteral("Width"), twipsText(twips::width(m_archiveList)),
                                    ini);
        }))
        return;
    if (!procedure.step([&] {
            common::settings::write(archiveSection, columnKey(1), twipsText(m_archiveList.columnWidth()), ini);
        }))
        return;
    if (!procedure.step([&] {
            common::settings::write(QStringLiteral("FrmExplorer"), QStringLiteral("Maximize"),
                                    m_window.isMaximized() ? QStringLiteral("1") : QStringLiteral("0"), ini);
        }))
        return;
    if (!procedure.step([&] { ui::StoreFormPlacement(m_window, ini); }))
        return;
    for (int column = 1; column <= m_cardList.header()->count(); ++column) {
        const int width = interaction::twips::fromPixels(m_cardList.header()->sectionSize(column - 1));
        if (!procedure.step([&] {
                common::settings::write(QStringLiteral("LWModelli"), columnKey(column), twipsText(width), ini);
            }))
            return;
    }
}

} // namespace explorer
