#include <memory>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QListWidget>
#include <QProgressBar>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolTip>

#include "demo/SampleCardWriter.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/TextMatcher.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WindowWorld.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

QColor background(const QWidget& list)
{
    return list.palette().color(QPalette::Base);
}

} // namespace

class FrmExplorerListsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<WindowWorld>(); }
    void cleanup() { m_world.reset(); }

    void archiveListShowsCardArchivesByUpperCaseName()
    {
        for (const char* file : {"b.MDB", "a.mdb", "x.mdb.mdb", "Tramex Config.mdb", "notes.txt"})
            QFile(WindowWorld::hostPath(WindowWorld::folder + QLatin1String(file))).open(QIODevice::WriteOnly);
        explorer::FrmExplorer& window = m_world->openWindow();
        QCOMPARE(m_world->archiveNames(), (QStringList{"A", "B", "X"}));
        for (int row = 0; row < window.LVDB()->count(); ++row)
            QCOMPARE(window.archiveIcon(window.LVDB()->item(row)), 1);
        QCOMPARE(store::explorerState().CurrentArchive, QString());
        QCOMPARE(window.cardList().rowCount(), 0);
        QVERIFY(window.PrgBar()->isHidden());
    }

    // A long archive name wraps in its cell, whole, and shows whole as the item's tool tip.
    void longArchiveNamesShowWhole()
    {
        const QString name = QStringLiteral("PRIMAVERA-ESTATE-2026");
        m_world->makeArchive(name + QStringLiteral(".mdb"));
        explorer::FrmExplorer& window = m_world->openWindow();
        QListWidget* archives = window.LVDB();
        QListWidgetItem* item = m_world->archiveItem(name);
        QVERIFY(item);

        QStyleOptionViewItem option;
        option.initFrom(archives);
        option.features =
            QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        option.decorationPosition = QStyleOptionViewItem::Top;
        option.decorationSize = archives->iconSize();
        option.displayAlignment = Qt::AlignCenter;
        option.rect = QRect(QPoint(), archives->gridSize());
        option.widget = archives;
        const QSize needed = archives->itemDelegate()->sizeHint(option, archives->indexFromItem(item));
        QVERIFY2(needed.width() <= archives->gridSize().width() && needed.height() <= archives->gridSize().height(),
                 qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));

        const QPoint centre = archives->visualItemRect(item).center();
        QHelpEvent help(QEvent::ToolTip, centre, archives->viewport()->mapToGlobal(centre));
        QApplication::sendEvent(archives->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
        QToolTip::hideText();
    }

    void missingArchiveFolderListsNothing()
    {
        store::explorerState().DatabaseFolder = QStringLiteral("C:\\Manca\\");
        m_world->openWindow();
        QCOMPARE(m_world->archiveNames(), QStringList());
    }

    void openingAnArchiveListsItsCardsSortedAndMakesItCurrent()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"K3", "K1", "K2"});
        m_world->makeArchiveWithKeys(QStringLiteral("DONNA"), {"D1"});
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("DONNA"));
        m_world->openArchive(QStringLiteral("UOMO"));

        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("UOMO"));
        QCOMPARE(m_world->column(0), (QStringList{"K1", "K2", "K3"}));
        QCOMPARE(m_world->column(1), (QStringList{"Collezione K1", "Collezione K2", "Collezione K3"}));
        QCOMPARE(m_world->column(2).first(), QStringLiteral("Variante K1"));
        QCOMPARE(m_world->column(3).first(), QStringLiteral("Capo K1"));
        QCOMPARE(m_world->column(4).first(), QStringLiteral("42"));
        QCOMPARE(m_world->column(5).first(), QStringLiteral("38,40,42"));
        QCOMPARE(window.archiveIcon(m_world->archiveItem(QStringLiteral("UOMO"))), 2);
        QCOMPARE(window.archiveIcon(m_world->archiveItem(QStringLiteral("DONNA"))), 1);
        QCOMPARE(window.STBar()->panelText(2), WindowWorld::folder);
    }

    void openingAgainRereadsTheFile()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"K1"});
        m_world->openWindow();
        m_world->openArchive(QStringLiteral("UOMO"));
        m_world->makeArchiveWithKeys(QStringLiteral("NUOVO"), {"N1", "N2"});
        QFile::remove(WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("UOMO"))));
        QFile::rename(WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("NUOVO"))),
                      WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("UOMO"))));
        m_world->openArchive(QStringLiteral("UOMO"));
        QCOMPARE(m_world->column(0), (QStringList{"N1", "N2"}));
    }

    void anEmptyArchiveStillBecomesCurrent()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("PIENO"), {"P1"});
        m_world->makeArchive(QStringLiteral("VUOTO.mdb"));
        m_world->openWindow();
        m_world->openArchive(QStringLiteral("PIENO"));
        m_world->openArchive(QStringLiteral("VUOTO"));
        QCOMPARE(m_world->column(0), QStringList());
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("VUOTO"));
    }

    // The archive is in use by another program: the exclusive open fails.
    void archiveOpenElsewhereShowsTheErrorDialogAndListsNothing()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("USATO"), {"U1", "U2"});
        const ArchiveHolder holder(WindowWorld::archivePath(QStringLiteral("USATO")), QStringLiteral("shared"));
        QCOMPARE(holder.status(), QStringLiteral("open"));
        m_world->openWindow();
        m_world->station.prompter.expectMessage(
            TextMatcher::matches(
                QRegularExpression(QStringLiteral("^Errore numero : 3045\r.*Durante FrmExplorer_FillLWModelli"),
                                   QRegularExpression::DotMatchesEverythingOption)),
            Answer::Abort);
        m_world->openArchive(QStringLiteral("USATO"));
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(m_world->column(0), QStringList());
    }

    void nullFieldsShowAsEmptyCells()
    {
        m_world->makeArchive(
            QStringLiteral("NULLI.mdb"),
            {{QStringLiteral("N1"), {std::nullopt, QStringLiteral("Blu"), std::nullopt, std::nullopt, std::nullopt}},
             {QStringLiteral("N2"), {}}});
        m_world->openWindow();
        m_world->openArchive(QStringLiteral("NULLI"));
        QCOMPARE(m_world->column(0), (QStringList{"N1", "N2"}));
        QCOMPARE(m_world->column(1), (QStringList{"", ""}));
        QCOMPARE(m_world->column(2), (QStringList{"Blu", ""}));
        QCOMPARE(m_world->column(5), (QStringList{"", ""}));
    }

    // A 16-bit card counter would overflow past 32,767 cards.
    void anArchiveOfFortyThousandCardsListsThemAll()
    {
        const QString path = WindowWorld::archivePath(QStringLiteral("GRANDE"));
        store::CardArchiveSchema::createEmpty(path);
        const QStringList keys =
            demo::SampleCardWriter(QStringLiteral("Storico"), QStringLiteral("STO"), 7, {0, 0, 0, 0})
                .write(path, 40000);
        m_world->openWindow();
        m_world->openArchive(QStringLiteral("GRANDE"));
        QCOMPARE(m_world->window().cardList().rowCount(), 40000);
        QStringList sorted = keys;
        sorted.sort();
        QCOMPARE(m_world->column(0), sorted);
    }

    void columnHeaderClicksToggleTheSort()
    {
        m_world->makeArchive(QStringLiteral("ORDINE.mdb"), {{QStringLiteral("A"), {QStringLiteral("Zeta")}},
                                                            {QStringLiteral("B"), {QStringLiteral("Alfa")}},
                                                            {QStringLiteral("C"), {QStringLiteral("Media")}}});
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("ORDINE"));
        QHeaderView* header = window.LWModelli()->header();
        const auto clickHeader = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        clickHeader(0); // opened ascending by key: now descending
        QCOMPARE(m_world->column(0), (QStringList{"C", "B", "A"}));
        clickHeader(1); // the order toggles whatever the column
        QCOMPARE(m_world->column(1), (QStringList{"Alfa", "Media", "Zeta"}));
        clickHeader(1);
        QCOMPARE(m_world->column(1), (QStringList{"Zeta", "Media", "Alfa"}));
    }

    // The clicked cards stay selected, and the last one current, wherever the sort puts them (the
    // first click after opening sorts descending).
    void sortingKeepsTheSelectedCards_data()
    {
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("one card, by key") << QStringList{"A"} << 0 << QStringList{"C", "B", "A"} << QList<int>{2};
        QTest::newRow("Ctrl+click, by collection")
            << QStringList{"C", "A"} << 1 << QStringList{"A", "C", "B"} << QList<int>{0, 1};
        QTest::newRow("no card") << QStringList{} << 1 << QStringList{"A", "C", "B"} << QList<int>{};
    }
    void sortingKeepsTheSelectedCards()
    {
        QFETCH(QStringList, clicked);
        QFETCH(int, column);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, selected);
        m_world->makeArchive(QStringLiteral("ORDINE.mdb"), {{QStringLiteral("A"), {QStringLiteral("Zeta")}},
                                                            {QStringLiteral("B"), {QStringLiteral("Alfa")}},
                                                            {QStringLiteral("C"), {QStringLiteral("Media")}}});
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("ORDINE"));
        explorer::CardListView& cards = window.cardList();
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (const QString& key : clicked) {
            QTest::mouseClick(cards.viewport(), Qt::LeftButton, modifiers,
                              cards.rowRect(int(m_world->column().indexOf(key))).center());
            modifiers = Qt::ControlModifier;
        }
        const QHeaderView* header = cards.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        QCOMPARE(m_world->column(), shown);
        QCOMPARE(cards.selectedRows(), selected);
        if (!clicked.isEmpty())
            QCOMPARE(cards.rowText(cards.currentRow()), clicked.constLast());
    }

    void columnCaptionsComeFromTheProductsLabels()
    {
        for (int i = 0; i < 6; ++i)
            m_world->station.writeIni(QStringLiteral("Tramex.ini"), QStringLiteral("Scheda"),
                                      QStringLiteral("Etichetta") + QString::number(i),
                                      QStringLiteral("Campo %1").arg(i));
        explorer::FrmExplorer& window = m_world->openWindow();
        const QHeaderView* header = window.LWModelli()->header();
        QCOMPARE(header->count(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(header->model()->headerData(i, Qt::Horizontal).toString(), QStringLiteral("Campo %1").arg(i));
    }

    // Each list's text reads on its colour: white on the dark ones, black on the others.
    void listColours_data()
    {
        QTest::addColumn<QString>("archiveColour");
        QTest::addColumn<QString>("cardColour");
        QTest::addColumn<QColor>("archiveBackground");
        QTest::addColumn<QColor>("cardBackground");
        QTest::addColumn<QColor>("archiveText");
        QTest::addColumn<QColor>("cardText");
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        QTest::newRow("defaults") << QString() << QString() << QColor(255, 0, 0) << QColor(255, 255, 0) << black
                                  << black;
        QTest::newRow("blue and cyan") << "Blu"
                                       << "Ciano" << QColor(0, 0, 255) << QColor(0, 255, 255) << white << black;
        QTest::newRow("black and green") << "Nero"
                                         << "Verde" << QColor(0, 0, 0) << QColor(0, 255, 0) << white << black;
        QTest::newRow("magenta and red") << "Magenta"
                                         << "Rosso" << QColor(255, 0, 255) << QColor(255, 0, 0) << black << black;
        QTest::newRow("lower case and English give red")
            << "giallo"
            << "Yellow" << QColor(255, 0, 0) << QColor(255, 0, 0) << black << black;
    }
    void listColours()
    {
        QFETCH(QString, archiveColour);
        QFETCH(QString, cardColour);
        QFETCH(QColor, archiveBackground);
        QFETCH(QColor, cardBackground);
        QFETCH(QColor, archiveText);
        QFETCH(QColor, cardText);
        if (!archiveColour.isEmpty()) {
            m_world->station.writeIni(QStringLiteral("Schedex.ini"), QStringLiteral("Database"),
                                      QStringLiteral("CmbColoreFinestraDB"), archiveColour);
            m_world->station.writeIni(QStringLiteral("Schedex.ini"), QStringLiteral("Modelli"),
                                      QStringLiteral("CmbColoreFinestraModelli"), cardColour);
        }
        explorer::FrmExplorer& window = m_world->openWindow();
        QCOMPARE(background(*window.LVDB()), archiveBackground);
        QCOMPARE(background(*window.LWModelli()), cardBackground);
        QCOMPARE(window.LVDB()->palette().color(QPalette::Text), archiveText);
        QCOMPARE(window.LWModelli()->palette().color(QPalette::Text), cardText);
    }

private:
    std::unique_ptr<WindowWorld> m_world;
};

TRAMEX_QT_TEST(FrmExplorerListsTest);

#include "FrmExplorerListsTest.moc"
