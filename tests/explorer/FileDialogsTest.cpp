#include "ui/FileDialogs.h"

#include <memory>

#include <QPointer>
#include <QTest>

#include "common/ProgramIdentity.h"
#include "explorer/FrmExplorer.h"
#include "explorer/StartUp.h"
#include "tests/support/ExplorerWorkstation.h"
#include "tests/support/QtTestMain.h"

using interaction::FileFilter;
using Kind = interaction::ScriptedPrompter::Kind;

class FileDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<ExplorerWorkstation>();
        m_window = explorer::startUp();
    }
    void cleanup()
    {
        delete m_window.data();
        m_world.reset();
    }

    void saveDialogReturnsTheRawBuffer_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        const QString path = QStringLiteral("C:\\Tramex\\Schede\\NUOVO.mdb");
        QTest::newRow("a chosen path, NUL and padding")
            << path << path + QChar(0) + QString(254 - path.size() - 1, QLatin1Char(' '));
        QTest::newRow("cancel gives 254 blanks") << QString() << QString(254, QLatin1Char(' '));
        const QString longest = QStringLiteral("C:\\") + QString(251, QLatin1Char('x'));
        QTest::newRow("a path filling the buffer has no NUL") << longest << longest;
        QTest::newRow("a path too long for the buffer fails like a cancel")
            << longest + QLatin1Char('x') << QString(254, QLatin1Char(' '));
    }
    void saveDialogReturnsTheRawBuffer()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        const QList<FileFilter> mdb = {{QStringLiteral("Database Mdb (*.Mdb)"), QStringLiteral("*.Mdb")}};
        m_world->prompter.expectSaveFile(QStringLiteral("Inserisci il nome del nuovo archivio schede"), chosen);
        const QString buffer = ui::SaveFileDialog(m_window, mdb, QStringLiteral("C:\\Tramex\\Schede\\"),
                                                  QStringLiteral("Inserisci il nome del nuovo archivio schede"));
        QCOMPARE(buffer.size(), 254);
        QCOMPARE(buffer, expected);
        const auto& prompt = m_world->prompter.prompts().constLast();
        QCOMPARE(prompt.owner, static_cast<void*>(m_window.data()));
        QCOMPARE(prompt.initialFolder, QStringLiteral("C:\\Tramex\\Schede\\"));
        QCOMPARE(prompt.filters.size(), 1);
        QCOMPARE(prompt.filters[0].pattern, QStringLiteral("*.Mdb"));
    }

    void defaultsOfTheFileDialogs()
    {
        m_world->prompter.expectOpenFile(QStringLiteral("Seleziona il file da aprire"), QStringLiteral("C:\\a.exe"))
            .expectSaveFile(QStringLiteral("Salva il file"), QString());
        QCOMPARE(ui::OpenFileDialog(m_window), QStringLiteral("C:\\a.exe"));
        QCOMPARE(ui::SaveFileDialog(m_window), QString(254, QLatin1Char(' ')));
        for (const auto& prompt : m_world->prompter.prompts()) {
            QCOMPARE(prompt.initialFolder, QStringLiteral("c:\\"));
            QCOMPARE(prompt.filters.size(), 2);
            QCOMPARE(prompt.filters[0].description, QStringLiteral("Exe files (*.exe)"));
            QCOMPARE(prompt.filters[0].pattern, QStringLiteral("*.exe"));
            QCOMPARE(prompt.filters[1].description, QStringLiteral("Batch files (*.bat)"));
            QCOMPARE(prompt.filters[1].pattern, QStringLiteral("*.bat"));
        }
    }

    void openDialogTrimsTheBuffer_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cancel") << QString() << QString();
        QTest::newRow("leading blanks go")
            << QStringLiteral("  C:\\dati\\scheda.csv") << QStringLiteral("C:\\dati\\scheda.csv");
        QTest::newRow("too long for the buffer") << QString(255, QLatin1Char('x')) << QString();
    }
    void openDialogTrimsTheBuffer()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        m_world->prompter.expectOpenFile(QStringLiteral("Seleziona la scheda da importare"), chosen);
        QCOMPARE(ui::OpenFileDialog(m_window, {{QStringLiteral("File CSV (*.csv)"), QStringLiteral("*.csv")}},
                                    common::program::GetAppFolder(),
                                    QStringLiteral("Seleziona la scheda da importare")),
                 expected);
    }

    void folderPicker()
    {
        const QString instruction = QStringLiteral("Seleziona la cartella dei database delle schede");
        m_world->prompter.expectFolder(instruction, QStringLiteral("C:\\Tramex\\Schede"))
            .expectFolder(instruction, QString());
        QCOMPARE(ui::BrowseForFolder(m_window, instruction), QStringLiteral("C:\\Tramex\\Schede"));
        QCOMPARE(ui::BrowseForFolder(m_window, instruction), QString());
        QCOMPARE(m_world->prompter.prompts().constFirst().owner, static_cast<void*>(m_window.data()));
    }

    void appFolderEndsWithOneBackslash_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << QStringLiteral("C:\\Tramex") << QStringLiteral("C:\\Tramex\\");
        QTest::newRow("drive root") << QStringLiteral("C:\\") << QStringLiteral("C:\\");
    }
    void appFolderEndsWithOneBackslash()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        const QString running = common::program::folder();
        common::program::setFolder(folder);
        const QString appFolder = common::program::GetAppFolder();
        common::program::setFolder(running);
        QCOMPARE(appFolder, expected);
    }

private:
    std::unique_ptr<ExplorerWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
};

TRAMEX_QT_TEST(FileDialogsTest);

#include "FileDialogsTest.moc"
