#include "explorer/FrmConfig.h"

#include <memory>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/ExplorerState.h"
#include "tests/explorer/MaintenanceWorkstation.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WhenShown.h"

namespace {

const QString ini = QStringLiteral("Schedex.ini");
const QString folderSection = QStringLiteral("Generale");
const QString folderKey = QStringLiteral("TxtPathDatabase");

template <class Control> Control* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        QTest::qFail(name, __FILE__, __LINE__);
    return found;
}

QStringList entries(const QComboBox& combo)
{
    QStringList texts;
    for (int index = 0; index < combo.count(); ++index)
        texts.append(combo.itemText(index));
    return texts;
}

} // namespace

class FrmConfigTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<MaintenanceWorkstation>();
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        m_window = MaintenanceWorkstation::openExplorer();
    }
    void cleanup()
    {
        delete m_window.data();
        m_world.reset();
    }

    void showsItsControlsAndTheDefaultsOfTheInstallation()
    {
        explorer::FrmConfig dialog(*m_window);
        QCOMPARE(dialog.objectName(), QStringLiteral("FrmConfig"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schedex - Configurazione"));
        auto* tabs = control<QTabWidget>(dialog, "TabExplorerCFG");
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Generale"));
        QCOMPARE(control<QLabel>(dialog, "LblPathDatabase")->text(), QStringLiteral("Path database:"));
        QCOMPARE(control<QPushButton>(dialog, "CmdSfogliaPathMdb")->text(), QStringLiteral("...."));
        QCOMPARE(control<QPushButton>(dialog, "CmdSetDefault")->text(), QStringLiteral("Carica Default"));
        QCOMPARE(control<QPushButton>(dialog, "CmdArchivia")->text(), QStringLiteral("&Archivia"));
        QCOMPARE(control<QPushButton>(dialog, "CmdAnnulla")->text(), QStringLiteral("A&nnulla"));
        QCOMPARE(control<QGroupBox>(dialog, "FraFinestraDB")->title(), QStringLiteral("Finestra dei database"));
        QCOMPARE(control<QGroupBox>(dialog, "FraFinestraModelli")->title(), QStringLiteral("Finestra delle schede"));
        const QStringList colours = {"Rosso", "Verde", "Blu", "Giallo", "Magenta", "Nero", "Ciano"};
        QCOMPARE(entries(*control<QComboBox>(dialog, "CmbColoreFinestraDB")), colours);
        QCOMPARE(entries(*control<QComboBox>(dialog, "CmbColoreFinestraModelli")), colours);

        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), MaintenanceWorkstation::archiveFolder);
        QCOMPARE(control<QComboBox>(dialog, "CmbColoreFinestraDB")->currentText(), QStringLiteral("Rosso"));
        QCOMPARE(control<QComboBox>(dialog, "CmbColoreFinestraModelli")->currentText(), QStringLiteral("Giallo"));
    }

    void loadsTheExplorersOwnSettings()
    {
        m_world->writeIni(ini, folderSection, folderKey, QStringLiteral("D:\\Altro\\"));
        m_world->writeIni(ini, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB"),
                          QStringLiteral("Ciano"));
        m_world->writeIni(ini, QStringLiteral("Modelli"), QStringLiteral("CmbColoreFinestraModelli"),
                          QStringLiteral("Yellow"));
        explorer::FrmConfig dialog(*m_window);
        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), QStringLiteral("D:\\Altro\\"));
        QCOMPARE(control<QComboBox>(dialog, "CmbColoreFinestraDB")->currentText(), QStringLiteral("Ciano"));
        QCOMPARE(control<QComboBox>(dialog, "CmbColoreFinestraModelli")->currentText(), QStringLiteral("Yellow"));
    }

    void loadingTheDefaultAndCancellingChangesNothing()
    {
        m_world->writeIni(ini, folderSection, folderKey, QStringLiteral("D:\\Altro\\"));
        const QString folderInUse = store::explorerState().DatabaseFolder;
        explorer::FrmConfig dialog(*m_window);
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "CmdSetDefault"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), MaintenanceWorkstation::archiveFolder);
        QTest::mouseClick(control<QPushButton>(dialog, "CmdAnnulla"), Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_world->readIni(ini, folderSection, folderKey), QStringLiteral("D:\\Altro\\"));
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB")),
                 std::nullopt);
        QCOMPARE(store::explorerState().DatabaseFolder, folderInUse);
    }

    void storingWritesTheSettingsAndRefreshesTheArchiveListOnly()
    {
        QVERIFY(QDir().mkpath(MaintenanceWorkstation::hostPath(QStringLiteral("C:\\Nuove"))));
        for (const char* name : {"Y", "X"})
            store::CardArchiveSchema::createEmpty(QStringLiteral("C:\\Nuove\\") + QString::fromLatin1(name));
        QListWidgetItem* archive = m_window->findArchiveItem(QStringLiteral("A"));
        m_window->LVDB()->setCurrentItem(archive);
        m_window->LVDB_DblClick();

        explorer::FrmConfig dialog(*m_window);
        dialog.show();
        QLineEdit* folder = control<QLineEdit>(dialog, "TxtPathDatabase");
        folder->clear();
        QTest::keyClicks(folder, QStringLiteral("C:\\Nuove\\"));
        control<QComboBox>(dialog, "CmbColoreFinestraDB")->setCurrentIndex(2);
        control<QComboBox>(dialog, "CmbColoreFinestraModelli")->setCurrentIndex(5);
        QTest::mouseClick(control<QPushButton>(dialog, "CmdArchivia"), Qt::LeftButton);

        QVERIFY(dialog.isHidden());
        QCOMPARE(m_world->readIni(ini, folderSection, folderKey), QStringLiteral("C:\\Nuove\\"));
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB")),
                 QStringLiteral("Blu"));
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Modelli"), QStringLiteral("CmbColoreFinestraModelli")),
                 QStringLiteral("Nero"));
        QCOMPARE(store::explorerState().DatabaseFolder, QStringLiteral("C:\\Nuove\\"));
        QCOMPARE(m_window->LVDB()->count(), 2);
        QCOMPARE(m_window->LVDB()->item(0)->text(), QStringLiteral("X"));
        QCOMPARE(m_window->LVDB()->item(1)->text(), QStringLiteral("Y"));
        QCOMPARE(m_window->LVDB()->palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(m_window->LWModelli()->palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(m_window->cardList().rowCount(), 1);
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("A"));
    }

    // Completed with Alt+A or cancelled with Esc, from the keyboard alone.
    void theKeyboardStoresOrCancels_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<std::optional<QString>>("stored");
        QTest::newRow("Alt+A") << true << std::optional<QString>(QStringLiteral("Nero"));
        QTest::newRow("Esc") << false << std::optional<QString>();
    }
    void theKeyboardStoresOrCancels()
    {
        QFETCH(bool, store);
        QFETCH(std::optional<QString>, stored);
        whenShown<explorer::FrmConfig>([&](explorer::FrmConfig& dialog) {
            // An access key acts in the active window only.
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QComboBox* colour = control<QComboBox>(dialog, "CmbColoreFinestraDB");
            colour->setFocus();
            colour->lineEdit()->selectAll();
            QTest::keyClicks(colour, QStringLiteral("Nero"));
            // An activation of the main window still queued on the offscreen platform may land after
            // the dialog's; a user types into the dialog on top.
            QApplication::setActiveWindow(&dialog);
            if (store)
                QTest::keyClick(colour, Qt::Key_A, Qt::AltModifier);
            else
                QTest::keyClick(colour, Qt::Key_Escape);
            QTRY_VERIFY(!dialog.isVisible());
        });
        m_window->menus().entry(QStringLiteral("MnuConfigurazione"))->trigger();
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB")), stored);
    }

    void withoutAColourForTheCardListStoringWritesYellow()
    {
        explorer::FrmConfig dialog(*m_window);
        dialog.show();
        QTest::mouseClick(control<QPushButton>(dialog, "CmdArchivia"), Qt::LeftButton);
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Modelli"), QStringLiteral("CmbColoreFinestraModelli")),
                 QStringLiteral("Giallo"));
        QCOMPARE(m_world->readIni(ini, folderSection, folderKey), MaintenanceWorkstation::archiveFolder);
        QCOMPARE(m_window->LWModelli()->palette().color(QPalette::Base), QColor(255, 255, 0));
    }

    void theFolderPickerAddsTheFinalBackslashAndItsCancelKeepsTheText()
    {
        explorer::FrmConfig dialog(*m_window);
        dialog.show();
        const QString instruction = QStringLiteral("Seleziona la cartella dei database delle schede");
        m_world->prompter.expectFolder(instruction, QStringLiteral("D:\\Modelli"));
        QTest::mouseClick(control<QPushButton>(dialog, "CmdSfogliaPathMdb"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), QStringLiteral("D:\\Modelli\\"));
        m_world->prompter.expectFolder(instruction, QStringLiteral("D:\\"));
        QTest::mouseClick(control<QPushButton>(dialog, "CmdSfogliaPathMdb"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), QStringLiteral("D:\\"));
        m_world->prompter.expectFolder(instruction, QString());
        QTest::mouseClick(control<QPushButton>(dialog, "CmdSfogliaPathMdb"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(dialog, "TxtPathDatabase")->text(), QStringLiteral("D:\\"));
    }

    void theFileMenuShowsTheDialogModally()
    {
        QAction* entry = m_window->menus().entry(QStringLiteral("MnuConfigurazione"));
        QVERIFY(entry);
        bool wasModal = false;
        whenShown<explorer::FrmConfig>([&](explorer::FrmConfig& dialog) {
            wasModal = dialog.isModal() && dialog.parentWidget() == m_window.data();
            control<QComboBox>(dialog, "CmbColoreFinestraDB")->setCurrentIndex(1);
            QTest::mouseClick(control<QPushButton>(dialog, "CmdArchivia"), Qt::LeftButton);
        });
        entry->trigger();
        QVERIFY(wasModal);
        QCOMPARE(m_world->readIni(ini, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB")),
                 QStringLiteral("Verde"));
        QCOMPARE(m_window->LVDB()->palette().color(QPalette::Base), QColor(0, 255, 0));
    }

    void thePlacementIsRestoredAtLoadAndStoredHoweverTheDialogCloses()
    {
        const QString section = QStringLiteral("FrmConfig");
        m_world->writeIni(ini, section, QStringLiteral("Left"), QStringLiteral("1500"));
        m_world->writeIni(ini, section, QStringLiteral("Top"), QStringLiteral("750"));
        m_world->writeIni(ini, section, QStringLiteral("Larghezza"), QStringLiteral("9000"));
        m_world->writeIni(ini, section, QStringLiteral("Altezza"), QStringLiteral("6000"));
        {
            explorer::FrmConfig dialog(*m_window);
            QCOMPARE(dialog.pos(), QPoint(100, 50));
            QCOMPARE(dialog.size(), QSize(600, 400));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.move(200, 100);
            QTRY_COMPARE(dialog.pos(), QPoint(200, 100));
            dialog.close();
        }
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Left")), QStringLiteral("3000"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("Top")), QStringLiteral("1500"));
        QCOMPARE(m_world->readIni(ini, section, QStringLiteral("WindowState")), QStringLiteral("0"));
    }

    void aPositionTooLargeForTheProgramTakesTheDefault()
    {
        const QString section = QStringLiteral("FrmConfig");
        m_world->writeIni(ini, section, QStringLiteral("Left"), QStringLiteral("1e999"));
        m_world->writeIni(ini, section, QStringLiteral("Top"), QStringLiteral("750"));
        explorer::FrmConfig dialog(*m_window);
        QCOMPARE(dialog.pos(), QPoint(0, 50));
    }

private:
    std::unique_ptr<MaintenanceWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
};

TRAMEX_QT_TEST(FrmConfigTest);

#include "FrmConfigTest.moc"
