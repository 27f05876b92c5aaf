#include "ui/WorkstationFileDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "interaction/Seams.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/TestWorkstation.h"
#include "tests/support/WhenShown.h"
#include "ui/QtPrompter.h"

using Dialog = ui::WorkstationFileDialog;

namespace {

const QByteArray drives = QByteArrayLiteral("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                                            "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                                            "[Drive A]\r\nPath=drive_a\r\nType=removable\r\n"
                                            "[System]\r\nWindowsDir=C:\\WINDOWS\r\n");

template <class Widget> Widget* control(const Dialog& dialog, const char* name)
{
    auto* found = dialog.findChild<Widget*>(QLatin1String(name));
    if (!found)
        QTest::qFail(name, __FILE__, __LINE__);
    return found;
}

QListWidget* entries(const Dialog& dialog)
{
    return control<QListWidget>(dialog, "LstFile");
}

QLineEdit* nameBox(const Dialog& dialog)
{
    return control<QLineEdit>(dialog, "TxtNomeFile");
}

// Every text the dialog shows: captions, boxes, list entries, combo entries and its title.
QStringList shownTexts(const Dialog& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QLineEdit* box : dialog.findChildren<QLineEdit*>())
        texts.append(box->text());
    for (const QListWidget* list : dialog.findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
    }
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        for (int index = 0; index < combo->count(); ++index)
            texts.append(combo->itemText(index));
    }
    return texts;
}

void selectRow(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("no entry ") + text), __FILE__, __LINE__);
        return;
    }
    list.setFocus();
    list.setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
}

} // namespace

class WorkstationFileDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_workstation = std::make_unique<TestWorkstation>(drives);
        m_workstation->writeFile(QStringLiteral("C:\\Dati\\scheda.csv"));
        m_workstation->writeFile(QStringLiteral("C:\\Dati\\note.txt"));
        m_workstation->makeFolder(QStringLiteral("C:\\Dati\\Export"));
        m_workstation->makeFolder(QStringLiteral("D:\\Archivio"));
        m_installation = std::make_unique<interaction::Seams::Installation>();
        m_installation->setProgramTitle(QStringLiteral("Schedex"));
    }
    void cleanup()
    {
        m_installation.reset();
        m_workstation.reset();
    }

    // The places are the workstation's drives by their letters; no host path shows anywhere.
    void placesAreTheDriveLettersAndNoHostPathShows()
    {
        QStringList places;
        QStringList texts;
        whenShown<Dialog>([&](Dialog& dialog) {
            places = dialog.places();
            texts = shownTexts(dialog);
            dialog.reject();
        });
        m_prompter.openFile({nullptr, {}, QStringLiteral("c:\\dati"), QStringLiteral("Apri")});
        QCOMPARE(places, (QStringList{"A: (rimovibile, non pronta)", "C:", "D:", "Z:"}));
        QVERIFY(texts.contains(QStringLiteral("C:\\Dati\\")));
        for (const QString& text : std::as_const(texts)) {
            QVERIFY2(!text.contains(m_workstation->root()) && !text.startsWith(QLatin1Char('/')), qPrintable(text));
        }

        m_workstation->insertDisk(QLatin1Char('A'));
        Dialog dialog(Dialog::Mode::Save, QStringLiteral("Salva"));
        QCOMPARE(dialog.places().constFirst(), QStringLiteral("A: (rimovibile)"));
    }

    void theDialogStartsInTheFolderAsked_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("spelt as the workstation spells it") << "c:\\DATI\\"
                                                            << "C:\\Dati\\";
        QTest::newRow("missing: the nearest folder above") << "C:\\Dati\\Manca\\Ancora"
                                                           << "C:\\Dati\\";
        QTest::newRow("another drive") << "D:\\archivio"
                                       << "D:\\Archivio\\";
        QTest::newRow("a drive without its disk: the current folder") << "A:\\Backup\\"
                                                                      << "C:\\Dati\\";
    }
    void theDialogStartsInTheFolderAsked()
    {
        QFETCH(QString, asked);
        QFETCH(QString, shown);
        m_workstation->enter(m_workstation->hostPath(QStringLiteral("C:\\Dati")));
        Dialog dialog(Dialog::Mode::Open, QStringLiteral("Apri"));
        dialog.setFolder(asked);
        QCOMPARE(dialog.folder(), shown);
    }

    void theListShowsFoldersFirstThenTheFilesOfTheType()
    {
        Dialog dialog(Dialog::Mode::Open, QStringLiteral("Apri"));
        dialog.setFilters({{QStringLiteral("File CSV (*.csv)"), QStringLiteral("*.csv")},
                           {QStringLiteral("Testi"), QStringLiteral("*.txt;*.csv")}});
        dialog.setFolder(QStringLiteral("C:\\Dati"));
        QCOMPARE(dialog.shownEntries(), (QStringList{"Export", "scheda.csv"}));
        control<QComboBox>(dialog, "CmbTipoFile")->setCurrentIndex(1);
        QCOMPARE(dialog.shownEntries(), (QStringList{"Export", "note.txt", "scheda.csv"}));
        // A name with wildcards lists what matches and chooses nothing.
        nameBox(dialog)->setText(QStringLiteral("n*"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.shownEntries(), (QStringList{"Export", "note.txt"}));

        Dialog folders(Dialog::Mode::Folder, QStringLiteral("Cartella"));
        folders.setFolder(QStringLiteral("C:\\Dati"));
        QCOMPARE(folders.shownEntries(), QStringList{"Export"});
    }

    // Through folders and drives and back to a file, with keys alone.
    void aFileIsChosenFromTheKeyboard()
    {
        QStringList steps;
        whenShown<Dialog>([&](Dialog& dialog) {
            QListWidget* list = entries(dialog);
            QTest::keyClicks(nameBox(dialog), QStringLiteral("dati"));
            QTest::keyClick(nameBox(dialog), Qt::Key_Return);
            steps.append(dialog.folder());
            selectRow(*list, QStringLiteral("Export"));
            QTest::keyClick(list, Qt::Key_Return);
            steps.append(dialog.folder());
            QTest::keyClick(list, Qt::Key_Backspace);
            steps.append(dialog.folder());
            selectRow(*list, QStringLiteral("scheda.csv"));
            steps.append(nameBox(dialog)->text());
            QTest::keyClick(list, Qt::Key_Return);
        });
        const QString chosen =
            m_prompter.openFile({nullptr, {}, QStringLiteral("C:\\"), QStringLiteral("Seleziona il file da aprire")});
        QCOMPARE(steps, (QStringList{"C:\\Dati\\", "C:\\Dati\\Export\\", "C:\\Dati\\", "scheda.csv"}));
        QCOMPARE(chosen, QStringLiteral("C:\\Dati\\scheda.csv"));

        whenShown<Dialog>([](Dialog& dialog) { QTest::keyClick(nameBox(dialog), Qt::Key_Escape); });
        QCOMPARE(m_prompter.openFile({nullptr, {}, QStringLiteral("C:\\"), QStringLiteral("Apri")}), QString());
    }

    void aDriveIsChosenFromTheKeyboard()
    {
        QString folderOnD;
        QString warning;
        whenShown<Dialog>([&](Dialog& dialog) {
            auto* places = control<QListWidget>(dialog, "LstUnita");
            places->setFocus();
            QTest::keyClick(places, Qt::Key_Down); // D:
            folderOnD = dialog.folder();
            QTest::keyClick(places, Qt::Key_Home); // A:, without its disk
            warning = control<QLabel>(dialog, "LblAvviso")->text();
            nameBox(dialog)->setText(QStringLiteral("copia.zip"));
            dialog.accept();
            QVERIFY(dialog.isVisible());
            QTest::keyClick(places, Qt::Key_Down);
            QTest::keyClick(places, Qt::Key_Down); // D:
            QTest::keyClick(places, Qt::Key_Return);
            QCOMPARE(dialog.focusWidget(), entries(dialog));
            QTest::keyClick(entries(dialog), Qt::Key_Down);
            QTest::keyClick(entries(dialog), Qt::Key_Return);
            QTest::keyClick(nameBox(dialog), Qt::Key_Return);
        });
        const QString chosen =
            m_prompter.saveFile({nullptr, {}, QStringLiteral("C:\\Dati"), QStringLiteral("Salva la copia")});
        QCOMPARE(folderOnD, QStringLiteral("D:\\"));
        QCOMPARE(warning, QStringLiteral("L'unità A: non è pronta: inserire un disco."));
        QCOMPARE(chosen, QStringLiteral("D:\\Archivio\\copia.zip"));
    }

    void aFolderIsChosenFromTheKeyboard_data()
    {
        QTest::addColumn<bool>("pickSubfolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the folder shown") << false << "C:\\Dati";
        QTest::newRow("the folder picked in it") << true << "C:\\Dati\\Export";
    }
    void aFolderIsChosenFromTheKeyboard()
    {
        QFETCH(bool, pickSubfolder);
        QFETCH(QString, expected);
        m_workstation->enter(m_workstation->hostPath(QStringLiteral("C:\\Dati")));
        whenShown<Dialog>([&](Dialog& dialog) {
            // An access key acts in the active window only.
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            if (pickSubfolder)
                selectRow(*entries(dialog), QStringLiteral("Export"));
            QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!dialog.isVisible());
        });
        QCOMPARE(m_prompter.browseForFolder(nullptr, QStringLiteral("Seleziona la cartella")), expected);
    }

    void aNameInAFolderThatIsMissingIsRefused()
    {
        Dialog dialog(Dialog::Mode::Save, QStringLiteral("Salva"));
        dialog.setFolder(QStringLiteral("C:\\Dati"));
        nameBox(dialog)->setText(QStringLiteral("Manca\\nuovo.csv"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(control<QLabel>(dialog, "LblAvviso")->text(),
                 QStringLiteral("Cartella non trovata: C:\\Dati\\Manca\\"));
        nameBox(dialog)->setText(QStringLiteral("\\Dati\\nuovo.csv"));
        dialog.accept();
        QCOMPARE(dialog.chosenPath(), QStringLiteral("C:\\Dati\\nuovo.csv"));
    }

    void everyControlIsNamedAndReached_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("open") << int(Dialog::Mode::Open);
        QTest::newRow("save") << int(Dialog::Mode::Save);
        QTest::newRow("folder") << int(Dialog::Mode::Folder);
    }
    void everyControlIsNamedAndReached()
    {
        QFETCH(int, mode);
        Dialog dialog(Dialog::Mode(mode), QStringLiteral("Scegli"));
        dialog.setFolder(QStringLiteral("C:\\Dati"));
        dialog.show();
        expectEveryControlNamed(dialog);
        expectEveryControlReachable(dialog);
    }

private:
    ui::QtPrompter m_prompter;
    std::unique_ptr<TestWorkstation> m_workstation;
    std::unique_ptr<interaction::Seams::Installation> m_installation;
};

TRAMEX_QT_TEST(WorkstationFileDialogTest);

#include "WorkstationFileDialogTest.moc"
