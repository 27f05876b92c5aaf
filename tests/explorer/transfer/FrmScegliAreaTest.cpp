#include "explorer/FrmScegliArea.h"

#include <memory>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/Utility.h"
#include "platform/Profile.h"
#include "tests/explorer/transfer/TransferWorkstation.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WhenShown.h"

namespace {

const QString ini = QStringLiteral("Schedex.ini");
const QString section = QStringLiteral("FormScegliArea");

void writeIni(const QString& key, const QString& value)
{
    platform::profile::writePrivateProfileString(section, key, value, ini);
}

QString readIni(const QString& sectionName, const QString& key)
{
    return platform::profile::readString(sectionName, key, QStringLiteral("<absent>"), ini);
}

QStringList entries(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

template <class Control> Control* control(QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

} // namespace

class FrmScegliAreaTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TransferWorkstation>(&ScriptedSeams::failQtTest);
        for (const char* area : {"D:\\userroot\\storage\\Prova", "D:\\userroot\\storage\\AREA2",
                                 "G:\\userroot\\storage\\Uomo", "C:\\userroot\\system\\state\\stordir\\Rete1"})
            TransferWorkstation::makeFolder(QString::fromLatin1(area));
    }
    void cleanup()
    {
        common::releaseUtility();
        m_world.reset();
    }

    void showsItsControlsByName()
    {
        explorer::FrmScegliArea chooser;
        QCOMPARE(chooser.objectName(), QStringLiteral("FrmScegliArea"));
        QCOMPARE(control<QGroupBox>(chooser, "Frame1")->title(), QStringLiteral("Tipo di rete "));
        QCOMPARE(control<QRadioButton>(chooser, "OptTipoRete0")->text(), QStringLiteral("Windows"));
        QCOMPARE(control<QRadioButton>(chooser, "OptTipoRete1")->text(), QStringLiteral("Network NFS"));
        QCOMPARE(control<QPushButton>(chooser, "CmdConferma")->text(), QStringLiteral("&Conferma"));
        QCOMPARE(control<QPushButton>(chooser, "CmdAnnulla")->text(), QStringLiteral("&Annulla"));
        QCOMPARE(control<QListWidget>(chooser, "LstAree")->font().family(), QStringLiteral("Courier New"));
        QVERIFY(control<QLineEdit>(chooser, "TxtNomeAreaAccumark"));
    }

    void withoutSettingsListsTheWindowsAreasAndSelectsTheSecond()
    {
        explorer::FrmScegliArea chooser;
        QVERIFY(chooser.OptTipoRete(0)->isChecked());
        QVERIFY(!chooser.OptTipoRete(1)->isChecked());
        QCOMPARE(entries(*chooser.LstAree()), QStringList({"D:\\AREA2", "D:\\PROVA", "G:\\UOMO"}));
        QCOMPARE(chooser.LstAree()->currentRow(), 1);
        QCOMPARE(chooser.TxtNomeAreaAccumark()->text(), QStringLiteral("D:\\PROVA"));
    }

    void theStoredNetworkKindAndAreaAreTakenBack()
    {
        writeIni(QStringLiteral("TipoRete"), QStringLiteral("0"));
        writeIni(QStringLiteral("LastArea"), QStringLiteral("0"));
        explorer::FrmScegliArea chooser;
        QVERIFY(chooser.OptTipoRete(1)->isChecked());
        QCOMPARE(entries(*chooser.LstAree()), QStringList{QStringLiteral("RETE1")});
        QCOMPARE(chooser.TxtNomeAreaAccumark()->text(), QStringLiteral("RETE1"));
    }

    void aLastAreaTheListCannotTakeSelectsNothing_data()
    {
        QTest::addColumn<QString>("lastArea");
        QTest::newRow("past the end") << QStringLiteral("3");
        QTest::newRow("none selected") << QStringLiteral("-1");
        QTest::newRow("below none") << QStringLiteral("-2");
        QTest::newRow("no number") << QStringLiteral("ultima");
    }
    void aLastAreaTheListCannotTakeSelectsNothing()
    {
        QFETCH(QString, lastArea);
        writeIni(QStringLiteral("LastArea"), lastArea);
        explorer::FrmScegliArea chooser;
        QCOMPARE(chooser.LstAree()->count(), 3);
        QCOMPARE(chooser.LstAree()->currentRow(), -1);
        QVERIFY(chooser.TxtNomeAreaAccumark()->text().isEmpty());
    }

    // Chosen and cancelled from the keyboard alone.
    void theKeyboardChoosesOrCancels_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("arrow, then Alt+C") << true << QStringLiteral("G:\\UOMO");
        QTest::newRow("arrow, then Esc") << false << QString();
    }
    void theKeyboardChoosesOrCancels()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, chosen);
        whenShown<explorer::FrmScegliArea>([&](explorer::FrmScegliArea& chooser) {
            // An access key acts in the active window only.
            QVERIFY(QTest::qWaitForWindowActive(&chooser));
            chooser.LstAree()->setFocus();
            QTest::keyClick(chooser.LstAree(), Qt::Key_Down);
            if (confirm)
                QTest::keyClick(&chooser, Qt::Key_C, Qt::AltModifier);
            else
                QTest::keyClick(chooser.LstAree(), Qt::Key_Escape);
            QTRY_VERIFY(!chooser.isVisible());
        });
        QCOMPARE(explorer::FrmScegliArea::choose(nullptr), chosen);
    }

    void clickingTheOtherKindRefillsTheListAndClickingAnEntryCopiesIt()
    {
        explorer::FrmScegliArea chooser;
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QTest::mouseClick(chooser.OptTipoRete(1), Qt::LeftButton);
        QCOMPARE(entries(*chooser.LstAree()), QStringList{QStringLiteral("RETE1")});
        QTest::mouseClick(chooser.OptTipoRete(0), Qt::LeftButton);
        QCOMPARE(chooser.LstAree()->count(), 3);
        QListWidget& list = *chooser.LstAree();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
        QCOMPARE(chooser.TxtNomeAreaAccumark()->text(), QStringLiteral("G:\\UOMO"));
        chooser.TxtNomeAreaAccumark()->setText(QStringLiteral("X"));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
        QCOMPARE(chooser.TxtNomeAreaAccumark()->text(), QStringLiteral("G:\\UOMO"));
    }

    void confirmHandsBackWhatTheTextBoxHoldsAndStoresTheChoices()
    {
        whenShown<explorer::FrmScegliArea>([](explorer::FrmScegliArea& chooser) {
            QTest::mouseClick(chooser.OptTipoRete(1), Qt::LeftButton);
            chooser.LstAree()->setCurrentRow(0);
            QTest::keyClicks(chooser.TxtNomeAreaAccumark(), QStringLiteral("-BIS"));
            QTest::mouseClick(control<QPushButton>(chooser, "CmdConferma"), Qt::LeftButton);
        });
        QCOMPARE(explorer::FrmScegliArea::choose(nullptr), QStringLiteral("RETE1-BIS"));
        QCOMPARE(readIni(section, QStringLiteral("TipoRete")), QStringLiteral("0"));
        QCOMPARE(readIni(section, QStringLiteral("LastArea")), QStringLiteral("0"));
        QCOMPARE(readIni(QStringLiteral("FrmScegliArea"), QStringLiteral("WindowState")), QStringLiteral("0"));
        QVERIFY(readIni(QStringLiteral("FrmScegliArea"), QStringLiteral("Left")) != QStringLiteral("<absent>"));
    }

    void confirmingAnEmptyTextBoxIsLikeCancelling()
    {
        writeIni(QStringLiteral("LastArea"), QStringLiteral("-1"));
        whenShown<explorer::FrmScegliArea>([](explorer::FrmScegliArea& chooser) {
            QTest::mouseClick(control<QPushButton>(chooser, "CmdConferma"), Qt::LeftButton);
        });
        QCOMPARE(explorer::FrmScegliArea::choose(nullptr), QString());
        QCOMPARE(readIni(section, QStringLiteral("LastArea")), QStringLiteral("-1"));
    }

    void cancelHandsBackNothingAndStillStoresTheChoices()
    {
        whenShown<explorer::FrmScegliArea>([](explorer::FrmScegliArea& chooser) {
            chooser.LstAree()->setCurrentRow(2);
            QTest::mouseClick(control<QPushButton>(chooser, "CmdAnnulla"), Qt::LeftButton);
        });
        QCOMPARE(explorer::FrmScegliArea::choose(nullptr), QString());
        QCOMPARE(readIni(section, QStringLiteral("TipoRete")), QStringLiteral("1"));
        QCOMPARE(readIni(section, QStringLiteral("LastArea")), QStringLiteral("2"));
    }

    void thePlacementIsRestoredWhenTheChooserOpens()
    {
        platform::profile::writePrivateProfileString(QStringLiteral("FrmScegliArea"), QStringLiteral("Left"),
                                                     QStringLiteral("1500"), ini);
        platform::profile::writePrivateProfileString(QStringLiteral("FrmScegliArea"), QStringLiteral("Top"),
                                                     QStringLiteral("750"), ini);
        explorer::FrmScegliArea chooser;
        QCOMPARE(chooser.pos(), QPoint(100, 50));
    }

private:
    std::unique_ptr<TransferWorkstation> m_world;
};

TRAMEX_QT_TEST(FrmScegliAreaTest);
#include "FrmScegliAreaTest.moc"
