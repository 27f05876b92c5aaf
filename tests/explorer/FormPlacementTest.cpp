#include "ui/FormPlacement.h"

#include <memory>

#include <QPointer>
#include <QTest>

#include "explorer/FrmExplorer.h"
#include "explorer/StartUp.h"
#include "tests/support/ExplorerWorkstation.h"
#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;

namespace {

const QString ini = QStringLiteral("Schedex.ini");
const QString absent = QStringLiteral("<absent>");

} // namespace

class FormPlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<ExplorerWorkstation>(); }
    void cleanup()
    {
        delete m_window.data();
        m_world.reset();
    }

    void normalWindowStoresPositionAndSizeInTwips()
    {
        m_window = explorer::startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        m_window->move(20, 30);
        m_window->resize(600, 400);
        QTRY_COMPARE(m_window->pos(), QPoint(20, 30));
        ui::StoreFormPlacement(*m_window, ini);
        const QString section = QStringLiteral("FrmExplorer");
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Left")), QStringLiteral("300"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Top")), QStringLiteral("450"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Larghezza")), QStringLiteral("9000"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Altezza")), QStringLiteral("6000"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("WindowState")), QStringLiteral("0"));

        auto reopened = std::make_unique<explorer::FrmExplorer>();
        ui::RestoreFormPlacement(*reopened, ini, false, false);
        QCOMPARE(reopened->pos(), QPoint(20, 30));
        QCOMPARE(reopened->size(), QSize(600, 400));
    }

    void minimisedOrMaximisedStoresOnlyTheState_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<QString>("stored");
        QTest::newRow("minimised") << Qt::WindowMinimized << QStringLiteral("1");
        QTest::newRow("maximised") << Qt::WindowMaximized << QStringLiteral("2");
    }
    void minimisedOrMaximisedStoresOnlyTheState()
    {
        QFETCH(Qt::WindowState, state);
        QFETCH(QString, stored);
        const QString section = QStringLiteral("FrmExplorer");
        m_world->writeIni(ini, section, QStringLiteral("Larghezza"), QStringLiteral("7500"));
        m_window = explorer::startUp();
        m_window->setWindowState(state);
        ui::StoreFormPlacement(*m_window, ini);
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("WindowState")), stored);
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Left")), std::nullopt);
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Larghezza")), QStringLiteral("7500"));

        auto reopened = std::make_unique<explorer::FrmExplorer>();
        ui::RestoreFormPlacement(*reopened, ini, false, false);
        QCOMPARE(reopened->windowState(), Qt::WindowStates(state));
    }

    void restore_data()
    {
        QTest::addColumn<QStringList>("stored"); // WindowState, Left, Top, Larghezza, Altezza
        QTest::addColumn<bool>("fixedBorder");
        QTest::addColumn<bool>("keepPosition");
        QTest::addColumn<bool>("keepSize");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<Qt::WindowState>("expectedState");
        const QStringList normal = {QStringLiteral("0"), QStringLiteral("1500"), QStringLiteral("750"),
                                    QStringLiteral("6000"), QStringLiteral("4500")};
        QTest::newRow("position and size")
            << normal << false << false << false << QRect(100, 50, 400, 300) << Qt::WindowNoState;
        QTest::newRow("keep position") << normal << false << true << false << QRect(10, 10, 400, 300)
                                       << Qt::WindowNoState;
        QTest::newRow("keep size") << normal << false << false << true << QRect(100, 50, 300, 200) << Qt::WindowNoState;
        QTest::newRow("a fixed border never changes size")
            << normal << true << false << false << QRect(100, 50, 300, 200) << Qt::WindowNoState;
        QTest::newRow("a stored width 0 keeps the design width")
            << QStringList{"0", "1500", "750", "0", "4500"} << false << false << false << QRect(100, 50, 300, 300)
            << Qt::WindowNoState;
        QTest::newRow("nothing stored moves to 0,0") << QStringList{absent, absent, absent, absent, absent} << false
                                                     << false << false << QRect(0, 0, 300, 200) << Qt::WindowNoState;
        QTest::newRow("numbers read as the runtime reads them")
            << QStringList{"0", "1500twips", "abc", "6000.4", "-15"} << false << false << false
            << QRect(100, 0, 400, 200) << Qt::WindowNoState;
        QTest::newRow("maximised: nothing else is read")
            << QStringList{"2", "1500", "750", "6000", "4500"} << false << false << false << QRect(10, 10, 300, 200)
            << Qt::WindowMaximized;
        QTest::newRow("minimised") << QStringList{"1", "1500", "750", "6000", "4500"} << false << false << false
                                   << QRect(10, 10, 300, 200) << Qt::WindowMinimized;
        QTest::newRow("numbers beyond a Double or a Single count as missing")
            << QStringList{u"0"_s, u"1e999"_s, u"-1e39"_s, u"&HFFFFFFFFF"_s, u"4500"_s} << false << false << false
            << QRect(0, 0, 300, 300) << Qt::WindowNoState;
        QTest::newRow("a state no Byte holds counts as missing")
            << QStringList{u"300"_s, u"1500"_s, u"750"_s, u"6000"_s, u"4500"_s} << false << false << false
            << QRect(100, 50, 400, 300) << Qt::WindowNoState;
        QTest::newRow("an unknown state leaves the window as it is")
            << QStringList{"7", "1500", "750", "6000", "4500"} << false << false << false << QRect(10, 10, 300, 200)
            << Qt::WindowNoState;
    }
    void restore()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, fixedBorder);
        QFETCH(bool, keepPosition);
        QFETCH(bool, keepSize);
        QFETCH(QRect, expected);
        QFETCH(Qt::WindowState, expectedState);
        const QString section = QStringLiteral("FrmScegliArea");
        const QStringList keys = {QStringLiteral("WindowState"), QStringLiteral("Left"), QStringLiteral("Top"),
                                  QStringLiteral("Larghezza"), QStringLiteral("Altezza")};
        for (int i = 0; i < keys.size(); ++i) {
            if (stored[i] != absent)
                m_world->writeIni(ini, section, keys[i], stored[i]);
        }
        QWidget window;
        window.setObjectName(section);
        window.move(10, 10);
        if (fixedBorder)
            window.setFixedSize(300, 200);
        else
            window.resize(300, 200);
        ui::RestoreFormPlacement(window, ini, keepPosition, keepSize);
        QCOMPARE(window.windowState(), Qt::WindowStates(expectedState));
        QCOMPARE(QRect(window.pos(), window.size()), expected);
    }

private:
    std::unique_ptr<ExplorerWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
};

TRAMEX_QT_TEST(FormPlacementTest);

#include "FormPlacementTest.moc"
