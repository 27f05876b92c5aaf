#include "tests/support/WindowWorld.h"

#include <QListWidget>
#include <QTest>

#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/FrmExplorer.h"

WindowWorld::WindowWorld() = default;

WindowWorld::~WindowWorld()
{
    delete m_window.data();
}

explorer::FrmExplorer& WindowWorld::openWindow()
{
    m_window = new explorer::FrmExplorer;
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        QTest::qFail("the main window was not shown", __FILE__, __LINE__);
    return *m_window;
}

void WindowWorld::openArchive(const QString& name)
{
    QListWidget* archives = m_window->LVDB();
    QListWidgetItem* item = archiveItem(name);
    if (!item) {
        QTest::qFail(qPrintable(QStringLiteral("no archive ") + name), __FILE__, __LINE__);
        return;
    }
    archives->scrollToItem(item);
    // A press on an item already selected would start editing its label.
    archives->clearSelection();
    const QPoint centre = archives->visualItemRect(item).center();
    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QStringList WindowWorld::archiveNames() const
{
    QStringList names;
    const QListWidget* archives = m_window->LVDB();
    for (int row = 0; row < archives->count(); ++row)
        names.append(archives->item(row)->text());
    return names;
}

QStringList WindowWorld::column(int column) const
{
    QStringList texts;
    const explorer::CardListView& cards = m_window->cardList();
    for (int row = 0; row < cards.rowCount(); ++row)
        texts.append(cards.rowText(row, column));
    return texts;
}

QAction* WindowWorld::entry(const QString& name) const
{
    return m_window->menus().entry(name);
}

QListWidgetItem* WindowWorld::archiveItem(const QString& name) const
{
    return m_window->findArchiveItem(name);
}
