#include <memory>

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include "explorer/ArchiveListView.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerLayout.h"
#include "explorer/FrmExplorer.h"
#include "interaction/Twips.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WindowWorld.h"
#include "ui/WidgetTwips.h"

namespace {

namespace twips = ui::widgetTwips;
using interaction::twips::toPixels;

const QString ini = QStringLiteral("Schedex.ini");

// Twips that went through a widget's pixels: equal within one pixel.
bool near(int twipsA, int twipsB)
{
    return qAbs(twipsA - twipsB) < interaction::twips::perPixel;
}

// A mouse move over the window's surface, with the left button down or up.
void moveOver(QWidget& surface, int x, int y, bool leftButtonDown)
{
    const QPointF local(x, y);
    QMouseEvent move(QEvent::MouseMove, local, surface.mapToGlobal(local), Qt::NoButton,
                     leftButtonDown ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &move);
}

} // namespace

class FrmExplorerLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<WindowWorld>(); }
    void cleanup() { m_world.reset(); }

    void storedLayoutIsRestored()
    {
        ExplorerWorkstation& station = m_world->station;
        station.writeIni(ini, QStringLiteral("LVDB"), QStringLiteral("Width"), QStringLiteral("2400"));
        station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Left"), QStringLiteral("1500"));
        station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Top"), QStringLiteral("750"));
        station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Larghezza"), QStringLiteral("12000"));
        station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Altezza"), QStringLiteral("7500"));
        for (int column = 1; column <= 5; ++column)
            station.writeIni(ini, QStringLiteral("LWModelli"), QStringLiteral("Colonna_%1").arg(column),
                             QString::number(600 * column));
        explorer::FrmExplorer& window = m_world->openWindow();

        QCOMPARE(twips::width(*window.LVDB()), 2400);
        QVERIFY(near(twips::left(*window.LWModelli()), twips::left(*window.LVDB()) + 2400 + 100));
        QCOMPARE(twips::width(window), 12000);
        QCOMPARE(twips::height(window), 7500);
        QVERIFY(!window.isMaximized());
        const QHeaderView* header = window.LWModelli()->header();
        for (int column = 1; column <= 5; ++column)
            QCOMPARE(header->sectionSize(column - 1), toPixels(600 * column));
        QCOMPARE(header->sectionSize(5), toPixels(1000)); // the default
    }

    // The archive list's one column, for a report view: its caption, and its width kept in the
    // INI file.
    void theArchiveListKeepsItsColumn()
    {
        m_world->station.writeIni(ini, QStringLiteral("LVDB"), QStringLiteral("Colonna_1"), QStringLiteral("2500"));
        explorer::FrmExplorer& window = m_world->openWindow();
        QCOMPARE(window.archiveList().columnCaption(), QStringLiteral("Nome archivio"));
        QCOMPARE(window.archiveList().columnWidth(), 2500);
        m_world->station.writeIni(ini, QStringLiteral("LVDB"), QStringLiteral("Colonna_1"), QStringLiteral("1"));
        window.close();
        QTRY_VERIFY(!*m_world);
        QCOMPARE(m_world->station.readIni(ini, QStringLiteral("LVDB"), QStringLiteral("Colonna_1")),
                 std::optional<QString>(QStringLiteral("2500")));
    }

    void maximizeWinsOverTheStoredPlacement()
    {
        m_world->station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Maximize"), QStringLiteral("1"));
        m_world->station.writeIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Larghezza"),
                                  QStringLiteral("3000"));
        explorer::FrmExplorer& window = m_world->openWindow();
        QTRY_VERIFY(window.isMaximized());
    }

    void closingStoresTheLayoutAndItComesBack()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        window.resize(toPixels(11000), toPixels(7000));
        QWidget* surface = window.centralWidget();
        const int divider = toPixels(3000);
        moveOver(*surface, divider, toPixels(800), true);
        moveOver(*surface, divider, toPixels(800), false);
        window.LWModelli()->header()->resizeSection(2, toPixels(1800));
        const int archiveWidth = twips::width(*window.LVDB());
        window.close();
        QTRY_VERIFY(!*m_world);

        const auto stored = [&](const char* section, const QString& key) {
            return m_world->station.readIni(ini, QLatin1String(section), key).value_or(QStringLiteral("<absent>"));
        };
        QCOMPARE(stored("LVDB", QStringLiteral("Width")), QString::number(archiveWidth));
        QCOMPARE(stored("LVDB", QStringLiteral("Colonna_1")), QStringLiteral("1000"));
        QCOMPARE(stored("FrmExplorer", QStringLiteral("Maximize")), QStringLiteral("0"));
        const int windowWidth = toPixels(11000) * 15;
        QCOMPARE(stored("FrmExplorer", QStringLiteral("Larghezza")), QString::number(windowWidth));
        QCOMPARE(stored("FrmExplorer", QStringLiteral("WindowState")), QStringLiteral("0"));
        QCOMPARE(stored("LWModelli", QStringLiteral("Colonna_3")), QString::number(toPixels(1800) * 15));
        QCOMPARE(stored("LWModelli", QStringLiteral("Colonna_6")), QStringLiteral("1005"));

        explorer::FrmExplorer& again = m_world->openWindow();
        QCOMPARE(twips::width(*again.LVDB()), archiveWidth);
        QCOMPARE(again.LWModelli()->header()->sectionSize(2), toPixels(1800));
        QCOMPARE(twips::width(again), windowWidth);
    }

    void maximisedAtCloseIsStoredSo()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        window.close();
        QCOMPARE(m_world->station.readIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("Maximize")),
                 std::optional<QString>(QStringLiteral("1")));
        QCOMPARE(m_world->station.readIni(ini, QStringLiteral("FrmExplorer"), QStringLiteral("WindowState")),
                 std::optional<QString>(QStringLiteral("2")));
    }

    void listsFollowTheWindowsSize()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        window.resize(toPixels(12000), toPixels(9000));
        QWidget* surface = window.centralWidget();
        const QWidget* archives = window.LVDB();
        const QWidget* cards = window.LWModelli();
        const int expectedHeight = twips::height(*surface) - 100 - twips::top(*archives) - 700;
        QVERIFY(near(twips::height(*archives), expectedHeight));
        QCOMPARE(cards->height(), archives->height());
        const int expectedWidth = twips::width(*surface) - twips::left(*archives) - 100 - twips::left(*cards) - 100;
        QVERIFY(near(twips::width(*cards), expectedWidth));

        // Too small a window: the lists keep their sizes rather than take negative ones.
        const int heightBefore = archives->height();
        window.resize(window.width(), 100);
        QVERIFY(twips::height(*surface) - 100 - twips::top(*archives) - 700 < 0);
        QCOMPARE(archives->height(), heightBefore);
        QCOMPARE(cards->height(), heightBefore);
    }

    void dividerDragsTheListsApart()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        window.resize(toPixels(12000), toPixels(8000));
        QWidget* surface = window.centralWidget();
        QWidget* archives = window.LVDB();
        QWidget* cards = window.LWModelli();
        const int gapX = archives->geometry().right() + 2;
        const int y = archives->y() + 10;

        moveOver(*surface, gapX, y, false);
        QCOMPARE(surface->cursor().shape(), Qt::SizeHorCursor);
        moveOver(*surface, gapX, archives->geometry().bottom() + 20, false);
        QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);

        moveOver(*surface, toPixels(4000), y, true);
        QCOMPARE(surface->cursor().shape(), Qt::SizeHorCursor);
        QVERIFY(window.layout().isDragging());
        QVERIFY(near(twips::width(*archives), toPixels(4000) * 15 - twips::left(*archives) - 50));
        QVERIFY(near(twips::left(*cards), twips::left(*archives) + twips::width(*archives) + 100));
        const int expectedWidth = twips::width(*surface) - twips::left(*archives) - 100 - twips::left(*cards) - 100;
        QVERIFY(near(twips::width(*cards), expectedWidth));

        // Dragged to the window's edge the list would get no width: it keeps the one it has.
        const int widthBefore = archives->width();
        moveOver(*surface, 0, y, true);
        QVERIFY(archives->width() > 0);
        QVERIFY(archives->width() <= widthBefore);
        moveOver(*surface, toPixels(4000), y, false);
        QVERIFY(!window.layout().isDragging());

        // The sizing arrow never stays over a list.
        moveOver(*surface, gapX, y, false);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(cards, &enter);
        QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
    }

private:
    std::unique_ptr<WindowWorld> m_world;
};

TRAMEX_QT_TEST(FrmExplorerLayoutTest);

#include "FrmExplorerLayoutTest.moc"
