#include "ui/QtPrompter.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "interaction/Seams.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/TestWorkstation.h"
#include "tests/support/WhenShown.h"
#include "ui/QtCopyProgress.h"
#include "ui/QtTranslations.h"
#include "ui/WorkstationFileDialog.h"

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

namespace {

QString standardCaption(QDialogButtonBox::StandardButton button)
{
    const QDialogButtonBox box(button);
    return box.button(button)->text();
}

// The box's button with the caption of that standard button.
QAbstractButton* buttonOf(const QMessageBox& box, QDialogButtonBox::StandardButton button)
{
    for (QAbstractButton* candidate : box.buttons()) {
        if (candidate->text() == standardCaption(button))
            return candidate;
    }
    QTest::qFail("no such button", __FILE__, __LINE__);
    return nullptr;
}

void typeFileName(ui::WorkstationFileDialog& dialog, const QString& name)
{
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("TxtNomeFile"));
    QVERIFY(edit);
    edit->setText(name);
}

QStringList itemsOf(const QComboBox& combo)
{
    QStringList items;
    for (int index = 0; index < combo.count(); ++index)
        items.append(combo.itemText(index));
    return items;
}

QString withoutAccessKey(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

} // namespace

class QtPrompterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_workstation =
            std::make_unique<TestWorkstation>(QByteArrayLiteral("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                                                                "[Drive A]\r\nPath=drive_a\r\nType=removable\r\n"
                                                                "[System]\r\nWindowsDir=C:\\WINDOWS\r\n"));
        m_installation = std::make_unique<interaction::Seams::Installation>();
        m_installation->setProgramTitle(QStringLiteral("Schedex"));
    }
    void cleanup()
    {
        m_installation.reset();
        m_workstation.reset();
    }

    void messageAnswers_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<DefaultButton>("defaultButton");
        QTest::addColumn<int>("pressed"); // a standard button, or 0 for Enter
        QTest::addColumn<Answer>("expected");
        QTest::newRow("OK by Enter") << Buttons::Ok << DefaultButton::First << 0 << Answer::Ok;
        QTest::newRow("Cancel clicked") << Buttons::OkCancel << DefaultButton::First << int(QMessageBox::Cancel)
                                        << Answer::Cancel;
        QTest::newRow("Retry is the error dialog's Enter")
            << Buttons::AbortRetryIgnore << DefaultButton::Second << 0 << Answer::Retry;
        QTest::newRow("Abort clicked") << Buttons::AbortRetryIgnore << DefaultButton::Second << int(QMessageBox::Abort)
                                       << Answer::Abort;
        QTest::newRow("Ignore clicked") << Buttons::AbortRetryIgnore << DefaultButton::Second
                                        << int(QMessageBox::Ignore) << Answer::Ignore;
        QTest::newRow("third default is Cancel") << Buttons::YesNoCancel << DefaultButton::Third << 0 << Answer::Cancel;
        QTest::newRow("No is the destructive question's Enter")
            << Buttons::YesNo << DefaultButton::Second << 0 << Answer::No;
        QTest::newRow("Yes clicked") << Buttons::YesNo << DefaultButton::Second << int(QMessageBox::Yes) << Answer::Yes;
        QTest::newRow("default beyond the buttons is the first")
            << Buttons::RetryCancel << DefaultButton::Third << 0 << Answer::Retry;
    }
    void messageAnswers()
    {
        QFETCH(Buttons, buttons);
        QFETCH(DefaultButton, defaultButton);
        QFETCH(int, pressed);
        QFETCH(Answer, expected);
        whenShown<QMessageBox>([pressed](QMessageBox& box) {
            if (pressed == 0)
                QTest::keyClick(&box, Qt::Key_Return);
            else
                buttonOf(box, QDialogButtonBox::StandardButton(pressed))->click();
        });
        QCOMPARE(int(m_prompter.message(QStringLiteral("Sicuro?"), buttons, Icon::Question, defaultButton, QString())),
                 int(expected));
    }

    void messageShowsTextTitleAndIcon()
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            title = box.windowTitle();
            icon = box.icon();
            buttonOf(box, QDialogButtonBox::Ok)->click();
        });
        m_prompter.message(QStringLiteral("Errore numero : 53\rFile not found\r\r"), Buttons::Ok, Icon::Critical,
                           DefaultButton::First, QString());
        QCOMPARE(text, QStringLiteral("Errore numero : 53\nFile not found\n\n"));
        QCOMPARE(title, QStringLiteral("Schedex"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    // The platform's boxes: buttons in their order, the default as asked, and Esc or the close box
    // answering only a box with Cancel (or OK alone); the error dialog's box takes neither.
    void messageBoxesKeepThePlatformsOrderAndEscapeRules_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<DefaultButton>("defaultButton");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<Answer>("escapeAnswer"); // None: Esc and the close box do nothing
        using Box = QDialogButtonBox;
        QTest::newRow("error dialog") << Buttons::AbortRetryIgnore << DefaultButton::Second
                                      << QList<int>{Box::Abort, Box::Retry, Box::Ignore} << Answer::None;
        QTest::newRow("yes or no") << Buttons::YesNo << DefaultButton::Second << QList<int>{Box::Yes, Box::No}
                                   << Answer::None;
        QTest::newRow("yes, no or cancel") << Buttons::YesNoCancel << DefaultButton::Third
                                           << QList<int>{Box::Yes, Box::No, Box::Cancel} << Answer::Cancel;
        QTest::newRow("retry or cancel") << Buttons::RetryCancel << DefaultButton::First
                                         << QList<int>{Box::Retry, Box::Cancel} << Answer::Cancel;
        QTest::newRow("OK alone") << Buttons::Ok << DefaultButton::First << QList<int>{Box::Ok} << Answer::Ok;
    }
    void messageBoxesKeepThePlatformsOrderAndEscapeRules()
    {
        QFETCH(Buttons, buttons);
        QFETCH(DefaultButton, defaultButton);
        QFETCH(QList<int>, order);
        QFETCH(Answer, escapeAnswer);
        QStringList shown;
        QString defaultCaption;
        bool openAfterEscape = false;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            QList<QAbstractButton*> placed = box.buttons();
            std::sort(placed.begin(), placed.end(),
                      [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
            for (const QAbstractButton* button : placed)
                shown.append(button->text());
            defaultCaption = box.defaultButton() ? box.defaultButton()->text() : QString();
            QTest::keyClick(&box, Qt::Key_Escape);
            QCloseEvent close;
            QCoreApplication::sendEvent(&box, &close);
            openAfterEscape = box.isVisible();
            if (openAfterEscape)
                placed.constFirst()->click();
        });
        const Answer answer =
            m_prompter.message(QStringLiteral("Sicuro?"), buttons, Icon::None, defaultButton, QString());
        QStringList expected;
        for (int button : order)
            expected.append(standardCaption(QDialogButtonBox::StandardButton(button)));
        QCOMPARE(shown, expected);
        QCOMPARE(defaultCaption, expected.at(qMin(qsizetype(int(defaultButton) / 256), expected.size() - 1)));
        QCOMPARE(openAfterEscape, escapeAnswer == Answer::None);
        if (escapeAnswer != Answer::None)
            QCOMPARE(int(answer), int(escapeAnswer));
    }

    // Qt's own captions read in Italian, as the programs' own texts do.
    void standardButtonsReadInItalian_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("error dialog") << Buttons::AbortRetryIgnore << QStringList{"Interrompi", "Riprova", "Ignora"};
        QTest::newRow("yes, no or cancel") << Buttons::YesNoCancel << QStringList{"Sì", "No", "Annulla"};
        QTest::newRow("OK or cancel") << Buttons::OkCancel << QStringList{"OK", "Annulla"};
        QTest::newRow("retry or cancel") << Buttons::RetryCancel << QStringList{"Riprova", "Annulla"};
    }
    void standardButtonsReadInItalian()
    {
        QFETCH(Buttons, buttons);
        QFETCH(QStringList, captions);
        if (!QFile::exists(ui::QtTranslations::filePath()))
            QSKIP("qtbase_it.qm is missing: scripts/install-dependencies installs qt6-translations-l10n");
        QStringList shown;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            for (const QAbstractButton* button : box.buttons())
                shown.append(withoutAccessKey(button->text()));
            expectEveryControlNamed(box);
            expectEveryControlReachable(box);
            box.buttons().constLast()->click();
        });
        m_prompter.message(QStringLiteral("Sicuro?"), buttons, Icon::Question, DefaultButton::First, QString());
        QCOMPARE(shown, captions);
    }

    void inputBoxIsItalianAndNamed()
    {
        if (!QFile::exists(ui::QtTranslations::filePath()))
            QSKIP("qtbase_it.qm is missing: scripts/install-dependencies installs qt6-translations-l10n");
        QStringList shown;
        whenShown<QInputDialog>([&](QInputDialog& dialog) {
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                shown.append(withoutAccessKey(button->text()));
            expectEveryControlNamed(dialog);
            expectEveryControlReachable(dialog);
            QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_Escape);
        });
        QCOMPARE(m_prompter.input(QStringLiteral("Nome"), QString(), QStringLiteral("VECCHIO")), QString());
        shown.sort();
        QCOMPARE(shown, (QStringList{"Annulla", "OK"}));
    }

    void inputBox()
    {
        QString shownDefault;
        whenShown<QInputDialog>([&](QInputDialog& dialog) {
            shownDefault = dialog.textValue();
            dialog.setTextValue(QStringLiteral("NUOVO"));
            dialog.accept();
        });
        QCOMPARE(m_prompter.input(QStringLiteral("Nome"), QStringLiteral("Rinomina"), QStringLiteral("VECCHIO")),
                 QStringLiteral("NUOVO"));
        QCOMPARE(shownDefault, QStringLiteral("VECCHIO"));

        whenShown<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
        QCOMPARE(m_prompter.input(QStringLiteral("Nome"), QString(), QStringLiteral("VECCHIO")), QString());
    }

    void saveDialogWorksInWindowsPaths()
    {
        m_workstation->writeFile(QStringLiteral("C:\\Tramex\\Schede\\A.mdb"));
        QString shownFolder;
        QStringList shownFilters;
        whenShown<ui::WorkstationFileDialog>([&](ui::WorkstationFileDialog& dialog) {
            shownFolder = dialog.folder();
            shownFilters = itemsOf(*dialog.findChild<QComboBox*>(QStringLiteral("CmbTipoFile")));
            typeFileName(dialog, QStringLiteral("NUOVO.mdb"));
            dialog.accept();
        });
        const interaction::FileDialog request{nullptr,
                                              {{QStringLiteral("Database Mdb (*.Mdb)"), QStringLiteral("*.Mdb")},
                                               {QStringLiteral("Testi"), QStringLiteral("*.txt;*.csv")}},
                                              QStringLiteral("c:\\tramex\\schede\\"),
                                              QStringLiteral("Inserisci il nome del nuovo archivio schede")};
        QCOMPARE(m_prompter.saveFile(request), QStringLiteral("C:\\Tramex\\Schede\\NUOVO.mdb"));
        QCOMPARE(shownFolder, QStringLiteral("C:\\Tramex\\Schede\\"));
        QCOMPARE(shownFilters,
                 QStringList({QStringLiteral("Database Mdb (*.Mdb)"), QStringLiteral("Testi (*.txt *.csv)")}));

        whenShown<ui::WorkstationFileDialog>([](ui::WorkstationFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(m_prompter.saveFile(request), QString());
    }

    void openDialogTakesANameThatDoesNotExist()
    {
        m_workstation->writeFile(QStringLiteral("C:\\Dati\\scheda.csv"));
        whenShown<ui::WorkstationFileDialog>([](ui::WorkstationFileDialog& dialog) {
            typeFileName(dialog, QStringLiteral("manca.csv"));
            dialog.accept();
        });
        const interaction::FileDialog request{nullptr, {}, QStringLiteral("C:\\Dati"), QStringLiteral("Apri")};
        QCOMPARE(m_prompter.openFile(request), QStringLiteral("C:\\Dati\\manca.csv"));
    }

    void folderPicker_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << QStringLiteral("C:\\Dati\\Export") << QStringLiteral("C:\\Dati\\Export");
        QTest::newRow("drive root keeps its backslash") << QStringLiteral("C:\\") << QStringLiteral("C:\\");
    }
    void folderPicker()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QDir().mkpath(m_workstation->hostPath(folder));
        QString instruction;
        whenShown<ui::WorkstationFileDialog>([&](ui::WorkstationFileDialog& dialog) {
            instruction = dialog.windowTitle();
            dialog.setFolder(folder);
            dialog.accept();
        });
        QCOMPARE(m_prompter.browseForFolder(nullptr, QStringLiteral("Seleziona la cartella")), expected);
        QCOMPARE(instruction, QStringLiteral("Seleziona la cartella"));

        whenShown<ui::WorkstationFileDialog>([](ui::WorkstationFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(m_prompter.browseForFolder(nullptr, QStringLiteral("Seleziona la cartella")), QString());
    }

    void formatEmptiesARemovableDisk()
    {
        m_workstation->insertDisk(QLatin1Char('A'));
        m_workstation->writeFile(QStringLiteral("A:\\vecchio\\dati.zip"), "x");
        m_workstation->writeFile(QStringLiteral("A:\\leggimi.txt"), "x");
        whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
        QCOMPARE(m_prompter.formatDrive(nullptr, 0), -2);
        QVERIFY(QFileInfo::exists(m_workstation->hostPath(QStringLiteral("A:\\leggimi.txt"))));

        whenShown<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
        QCOMPARE(m_prompter.formatDrive(nullptr, 0), 0);
        QVERIFY(QDir(m_workstation->hostPath(QStringLiteral("A:\\")))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void formatRefusesOtherDrives()
    {
        QCOMPARE(m_prompter.formatDrive(nullptr, 2), -3); // C: is fixed
        QCOMPARE(m_prompter.formatDrive(nullptr, 30), -1);
        QCOMPARE(m_prompter.formatDrive(nullptr, 0), -1); // A: has no disk
    }

    void replacingAFileIsAskedFirst()
    {
        QString text;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            buttonOf(box, QDialogButtonBox::No)->click();
        });
        QVERIFY(!m_prompter.confirmReplace(nullptr, QStringLiteral("A:\\Salvix.zip")));
        QVERIFY(text.contains(QStringLiteral("'Salvix.zip'")));

        whenShown<QMessageBox>([](QMessageBox& box) { buttonOf(box, QDialogButtonBox::Yes)->click(); });
        QVERIFY(m_prompter.confirmReplace(nullptr, QStringLiteral("A:\\Salvix.zip")));
    }

    void copyProgressShowsHowFarAndStopsOnCancel()
    {
        const auto progress =
            m_prompter.copyProgress(nullptr, QStringLiteral("C:\\Temp\\Salvix.zip"), QStringLiteral("A:\\Salvix.zip"));
        auto& dialog = static_cast<ui::QtCopyProgress&>(*progress).dialog();
        QVERIFY(dialog.labelText().startsWith(QStringLiteral("Salvix.zip\nDa 'C:\\Temp\\' a 'A:\\'")));
        QVERIFY(progress->advance(250, 1000));
        QCOMPARE(dialog.value(), 250);
        dialog.cancel();
        QVERIFY(!progress->advance(500, 1000));
        QVERIFY(progress->advance(0, 0) == false);
    }

private:
    ui::QtPrompter m_prompter;
    std::unique_ptr<TestWorkstation> m_workstation;
    std::unique_ptr<interaction::Seams::Installation> m_installation;
};

TRAMEX_QT_TEST(QtPrompterTest);

#include "QtPrompterTest.moc"
