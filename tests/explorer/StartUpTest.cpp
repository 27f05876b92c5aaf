#include "explorer/StartUp.h"

#include <memory>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "explorer/CardListView.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/Twips.h"
#include "tests/support/ExplorerWorkstation.h"
#include "tests/support/QtTestMain.h"
#include "ui/WidgetTwips.h"

using namespace Qt::StringLiterals;

namespace {

const QString hardConfig = QStringLiteral("TramexHardConfig.ini");
const QString cadConfig = QStringLiteral("TramexCADConfig.ini");
const QString ownIni = QStringLiteral("Schedex.ini");
const QString absent = QStringLiteral("<absent>");

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<ExplorerWorkstation>(); }
    void cleanup()
    {
        delete m_window.data();
        m_world.reset();
    }

    void databaseFolder_data()
    {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("expected");
        QTest::newRow("neither file") << absent << absent << QString();
        QTest::newRow("installation's folder until the user saves one")
            << QStringLiteral("C:\\Tramex\\Schede\\") << absent << QStringLiteral("C:\\Tramex\\Schede\\");
        QTest::newRow("the user's folder wins, even when missing")
            << QStringLiteral("C:\\Tramex\\Schede\\") << QStringLiteral("D:\\Manca\\") << QStringLiteral("D:\\Manca\\");
        QTest::newRow("the user's key present but empty gives an empty folder")
            << QStringLiteral("C:\\Tramex\\Schede\\") << QString() << QString();
    }
    void databaseFolder()
    {
        QFETCH(QString, installation);
        QFETCH(QString, user);
        QFETCH(QString, expected);
        const QString section = QStringLiteral("Generale");
        const QString key = QStringLiteral("TxtPathDatabase");
        if (installation != absent)
            m_world->writeIni(hardConfig, section, key, installation);
        if (user != absent)
            m_world->writeIni(ownIni, section, key, user);
        m_window = explorer::startUp();
        QCOMPARE(store::explorerState().IniFileName, ownIni);
        QCOMPARE(store::explorerState().DatabaseFolder, expected);
        QCOMPARE(store::explorerState().CurrentArchive, QString());
    }

    void cadTypeAndCaption_data()
    {
        QTest::addColumn<QString>("inUse");
        QTest::addColumn<QStringList>("installed"); // Accumark, Investronica, Lectra
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("caption");
        const QStringList none = {absent, absent, absent};
        QTest::newRow("no CAD file") << absent << none << 0 << QStringLiteral("Schedex - ");
        QTest::newRow("in use, nothing installed") << QStringLiteral("1") << none << 0 << QStringLiteral("Schedex - ");
        QTest::newRow("Accumark") << QStringLiteral("1") << QStringList{"1", "0", "0"} << 1
                                  << QStringLiteral("Schedex - Accumark");
        QTest::newRow("Investronica") << QStringLiteral("1") << QStringList{"0", "1", "0"} << 2
                                      << QStringLiteral("Schedex - Investronica");
        QTest::newRow("Accumark and Lectra: the last wins")
            << QStringLiteral("1") << QStringList{"1", "0", "1"} << 3 << QStringLiteral("Schedex - Lectra");
        QTest::newRow("in use read as a number")
            << QStringLiteral("1.0 ") << QStringList{"0", "0", "1"} << 3 << QStringLiteral("Schedex - Lectra");
        QTest::newRow("in use 2 is not in use")
            << QStringLiteral("2") << QStringList{"1", "1", "1"} << 0 << QStringLiteral("Schedex - ");
        QTest::newRow("in use as text is not in use")
            << QStringLiteral("si") << QStringList{"1", "1", "1"} << 0 << QStringLiteral("Schedex - ");
        QTest::newRow("in use beyond any number is not in use")
            << QStringLiteral("1e999") << QStringList{u"1"_s, u"1"_s, u"1"_s} << 0 << QStringLiteral("Schedex - ");
        QTest::newRow("installed must be exactly 1")
            << QStringLiteral("1") << QStringList{"01", "1.0", "yes"} << 0 << QStringLiteral("Schedex - ");
    }
    void cadTypeAndCaption()
    {
        QFETCH(QString, inUse);
        QFETCH(QStringList, installed);
        QFETCH(int, expected);
        QFETCH(QString, caption);
        const QString section = QStringLiteral("Impostazioni");
        if (inUse != absent)
            m_world->writeIni(cadConfig, section, QStringLiteral("Usa sistema CAD"), inUse);
        for (int i = 0; i < installed.size(); ++i) {
            if (installed[i] != absent)
                m_world->writeIni(cadConfig, section, QStringLiteral("Sistema Installato_") + QString::number(i),
                                  installed[i]);
        }
        QCOMPARE(int(explorer::ReadCadType()), expected);
        m_window = explorer::startUp();
        QCOMPARE(int(store::explorerState().CadType), expected);
        QCOMPARE(m_window->windowTitle(), caption);
    }

    void mainWindowOpensModelessWithEmptyLists()
    {
        m_window = explorer::startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        QCOMPARE(m_window->objectName(), QStringLiteral("FrmExplorer"));
        QVERIFY(!m_window->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        auto* archives = m_window->findChild<QListWidget*>(QStringLiteral("LVDB"));
        QVERIFY(archives);
        QCOMPARE(archives->viewMode(), QListView::IconMode);
        QCOMPARE(archives->count(), 0);

        auto* cards = m_window->findChild<explorer::CardListView*>(QStringLiteral("LWModelli"));
        QVERIFY(cards);
        QCOMPARE(cards->header()->count(), 6);
        QCOMPARE(cards->rowCount(), 0);
        QCOMPARE(cards->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(archives->isVisible() && cards->isVisible());
        QVERIFY(archives->geometry().right() < cards->geometry().left());

        QVERIFY(m_window->findChild<QToolBar*>(QStringLiteral("MainToolBar")));
        auto* status = m_window->findChild<explorer::ExplorerStatusBar*>(QStringLiteral("STBar"));
        QVERIFY(status);
        for (int panel = 1; panel <= 4; ++panel)
            QVERIFY(status->panel(panel) && status->panel(panel)->isVisible());
        // The clock panels show the installed clock's date and time.
        QCOMPARE(status->panelText(3), QStringLiteral("05/03/2024"));
        QCOMPARE(status->panelText(4), QStringLiteral("17:08"));
        auto* progress = m_window->findChild<QProgressBar*>(QStringLiteral("PrgBar"));
        QVERIFY(progress);
        QVERIFY(progress->isHidden());
    }

    // A stored number too large for the program counts as missing: the window opens where the
    // defaults put it.
    void unusableStoredNumbersTakeTheDefaults()
    {
        const QString section = QStringLiteral("FrmExplorer");
        m_world->writeIni(ownIni, section, QStringLiteral("Left"), QStringLiteral("1e999"));
        m_world->writeIni(ownIni, section, QStringLiteral("Top"), QStringLiteral("750"));
        m_world->writeIni(ownIni, QStringLiteral("LVDB"), QStringLiteral("Width"), QStringLiteral("-1e999"));
        m_world->writeIni(ownIni, QStringLiteral("LWModelli"), QStringLiteral("Colonna_2"), QStringLiteral("1e40"));
        m_window = explorer::startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        QCOMPARE(ui::widgetTwips::left(*m_window), 0);
        QCOMPARE(ui::widgetTwips::top(*m_window), 750);
        QCOMPARE(ui::widgetTwips::width(*m_window->LVDB()), 1005);
        QCOMPARE(m_window->LWModelli()->header()->sectionSize(1), interaction::twips::toPixels(1000));
    }

    void progressBarSitsOverTheSecondPanel()
    {
        m_window = explorer::startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        m_window->SetProgBarPos();
        m_window->PrgBar()->show();
        const QLabel* host = m_window->STBar()->panel(2);
        const QRect bar = m_window->PrgBar()->geometry();
        QCOMPARE(bar.left(), host->x());
        QCOMPARE(bar.width(), host->width());
        QCOMPARE(bar.height(), m_window->STBar()->height() - 3); // 50 twips, rounded to pixels
        QVERIFY(qAbs(bar.top() - (m_window->STBar()->height() - bar.bottom() - 1)) <= 1);
    }

    void closingTheWindowEndsTheProgram()
    {
        m_window = explorer::startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        QTimer::singleShot(0, m_window.data(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
        QTRY_VERIFY(m_window.isNull());
    }

private:
    std::unique_ptr<ExplorerWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
};

TRAMEX_QT_TEST(StartUpTest);

#include "StartUpTest.moc"
