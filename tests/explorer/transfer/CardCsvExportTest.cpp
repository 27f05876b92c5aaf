#include "explorer/transfer/CardCsvExport.h"

#include <QDirIterator>

#include "automation/Screen.h"
#include "interaction/BusyPointer.h"
#include "tests/explorer/transfer/TransferTest.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

class CardCsvExportTest : public TransferTest {
protected:
    // K1: a Null collection, a comma in the variant, a character of the code page, a piece with
    // Digit 0 and RuotaX Null and one with both counts, a marker with Null columns.
    static void addSampleCard()
    {
        addModel(prova(), QStringLiteral("K1"), Variant::null(), QStringLiteral("Estate, mare"),
                 QStringLiteral("Giacca \u00e8"), QStringLiteral("42"), QStringLiteral("38,40,42"));
        CardArchives::addRow(prova(), QStringLiteral("SchedaModello"),
                             {{QStringLiteral("PCMTV"), QStringLiteral("K1")},
                              {QStringLiteral("NumeroRiga"), Variant::fromLong(1)},
                              {QStringLiteral("SPN"), QStringLiteral("001")},
                              {QStringLiteral("Descrizione"), QStringLiteral("Davanti")},
                              {QStringLiteral("Digit"), Variant::fromLong(0)},
                              {QStringLiteral("RuotaX"), Variant::null()},
                              {QStringLiteral("NumeroPezzo"), QStringLiteral("1")},
                              {QStringLiteral("Materiale"), QStringLiteral("Lana")}});
        CardArchives::addRow(prova(), QStringLiteral("SchedaModello"),
                             {{QStringLiteral("PCMTV"), QStringLiteral("K1")},
                              {QStringLiteral("NumeroRiga"), Variant::fromLong(2)},
                              {QStringLiteral("SPN"), QStringLiteral("002")},
                              {QStringLiteral("Descrizione"), QStringLiteral("Dietro")},
                              {QStringLiteral("Digit"), Variant::fromLong(12)},
                              {QStringLiteral("RuotaX"), Variant::fromLong(-3)},
                              {QStringLiteral("NumeroPezzo"), QStringLiteral("2")},
                              {QStringLiteral("Osservazioni"), QStringLiteral("ok")},
                              {QStringLiteral("ComeModello"), QStringLiteral("M2")},
                              {QStringLiteral("Materiale"), QStringLiteral("Fodera")}});
        CardArchives::addRow(prova(), QStringLiteral("SchedaPiazzato"),
                             {{QStringLiteral("PCMTV"), QStringLiteral("K1")},
                              {QStringLiteral("NumeroRiga"), Variant::fromLong(1)},
                              {QStringLiteral("NomePiazzato"), QStringLiteral("P1")},
                              {QStringLiteral("Tessuto"), QStringLiteral("Lana")},
                              {QStringLiteral("Taglie"), QStringLiteral("40,42")},
                              {QStringLiteral("TotalePezzi"), QStringLiteral("24")}});
    }
};

const QByteArray sampleCardFile = "Tramex Scheda\r\n"
                                  "\"PROVA\"\r\n"
                                  "\"K1\",\"\",\"Giacca \xe8\",\"Estate, mare\",\"42\",\"38,40,42\"\r\n"
                                  "\"Scheda Modello\",2\r\n"
                                  "\"001\",\"Davanti\",\"\",\"\",\"1\",\"\",\"\",\"Lana\"\r\n"
                                  "\"002\",\"Dietro\",\"12\",\"-3\",\"2\",\"ok\",\"M2\",\"Fodera\"\r\n"
                                  "\"Scheda Piazzato\",1\r\n"
                                  "\"P1\",\"\",\"\",\"Lana\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                  "\"40,42\",\"\",\"\",\"\",\"\",\"24\"\r\n";

TEST_F(CardCsvExportTest, WritesTheCardFileByteForByte)
{
    addSampleCard();
    TransferWorkstation::makeFolder(QStringLiteral("C:\\Export"));
    transfer::ExportData(QStringLiteral("C:\\Export\\"), QStringLiteral("PROVA"), QStringLiteral("K1"));
    EXPECT_EQ(TransferWorkstation::readFile(QStringLiteral("C:\\Export\\K1.csv")), sampleCardFile);
}

TEST_F(CardCsvExportTest, ACardWithoutPiecesOrMarkersHasEmptySectionsAndReplacesAnOldFile)
{
    addModel(prova(), QStringLiteral("K2"), QStringLiteral("Inverno"));
    TransferWorkstation::writeFile(QStringLiteral("C:\\Export\\K2.csv"), QByteArray(5000, 'x'));
    transfer::ExportData(QStringLiteral("C:\\Export\\"), QStringLiteral("PROVA"), QStringLiteral("K2"));
    EXPECT_EQ(TransferWorkstation::readFile(QStringLiteral("C:\\Export\\K2.csv")),
              QByteArray("Tramex Scheda\r\n\"PROVA\"\r\n\"K2\",\"Inverno\",\"\",\"\",\"42\",\"40,42,44\"\r\n"
                         "\"Scheda Modello\",0\r\n\"Scheda Piazzato\",0\r\n"));
}

TEST_F(CardCsvExportTest, AKeyWithAnApostropheIsExported)
{
    addModel(prova(), QStringLiteral("D'ANGELO"));
    addPiece(prova(), QStringLiteral("D'ANGELO"), 1, QStringLiteral("001"), Variant::fromLong(2));
    transfer::ExportData(QStringLiteral("C:\\"), QStringLiteral("PROVA"), QStringLiteral("D'ANGELO"));
    EXPECT_TRUE(TransferWorkstation::readFile(QStringLiteral("C:\\D'ANGELO.csv"))
                    .contains("\"Scheda Modello\",1\r\n\"001\",\"\",\"2\",\"\","));
}

TEST_F(CardCsvExportTest, AMissingFolderAsksAndAbortLeavesTheCardWithTheArchiveFree)
{
    addModel(prova(), QStringLiteral("K1"));
    m_world.prompter.expectMessage(TextMatcher::contains(QStringLiteral("Durante ModMain_ExportData")), Answer::Abort);
    transfer::ExportData(QStringLiteral("C:\\Manca\\"), QStringLiteral("PROVA"), QStringLiteral("K1"));
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    EXPECT_TRUE(m_world.prompter.prompts()[0].text.startsWith(QStringLiteral("Errore numero : 76\r")));
    EXPECT_FALSE(TransferWorkstation::fileExists(QStringLiteral("C:\\Manca\\K1.csv")));
}

TEST_F(CardCsvExportTest, RetryRunsTheFailingStatementAgainAndTheWholeCardIsWritten)
{
    addSampleCard();
    m_world.prompter.expectMessage(TextMatcher::contains(QStringLiteral("Durante ModMain_ExportData")), Answer::Retry);
    m_world.beforeNextPrompt([] { TransferWorkstation::makeFolder(QStringLiteral("C:\\Export")); });
    transfer::ExportData(QStringLiteral("C:\\Export\\"), QStringLiteral("PROVA"), QStringLiteral("K1"));
    EXPECT_EQ(TransferWorkstation::readFile(QStringLiteral("C:\\Export\\K1.csv")), sampleCardFile);
}

TEST_F(CardCsvExportTest, IgnoreGoesOnWithTheNextStatement)
{
    // No such card: its model line cannot be written, the sections can.
    m_world.prompter.expectMessage(TextMatcher::contains(QStringLiteral("Errore numero : 3021")), Answer::Ignore);
    transfer::ExportData(QStringLiteral("C:\\"), QStringLiteral("PROVA"), QStringLiteral("NESSUNA"));
    EXPECT_EQ(TransferWorkstation::readFile(QStringLiteral("C:\\NESSUNA.csv")),
              QByteArray("Tramex Scheda\r\n\"PROVA\"\r\n\"Scheda Modello\",0\r\n\"Scheda Piazzato\",0\r\n"));
}

// The command over the card list.
TEST_F(CardCsvExportTest, TheCommandExportsTheSelectedCardsInListOrderAndDeselectsThem)
{
    for (const char* key : {"K1", "K2", "K3"})
        addModel(prova(), QString::fromLatin1(key));
    FakeWindow window(m_world.utility(),
                      {{QStringLiteral("K3"), true}, {QStringLiteral("K2"), false}, {QStringLiteral("K1"), true}});
    m_world.prompter.expectFolder(QStringLiteral("Seleziona la cartella dove esportare le schede"),
                                  QStringLiteral("C:\\Export"));
    TransferWorkstation::makeFolder(QStringLiteral("C:\\Export"));
    int pointerDuringExport = 0;
    m_world.events.atCall(1, [&] { pointerDuringExport = automation::Screen::mousePointer(); });

    transfer::MnuLWEsporta_Click(window);

    EXPECT_TRUE(TransferWorkstation::fileExists(QStringLiteral("C:\\Export\\K1.csv")));
    EXPECT_FALSE(TransferWorkstation::fileExists(QStringLiteral("C:\\Export\\K2.csv")));
    EXPECT_TRUE(TransferWorkstation::fileExists(QStringLiteral("C:\\Export\\K3.csv")));
    EXPECT_TRUE(window.selectedKeys().isEmpty());
    EXPECT_EQ(window.log(), QStringList({"place", "maximum 2", "value 0", "visible 1", "status Esporta in CSV: K3",
                                         "value 1", "status Esporta in CSV: K1", "value 2", "visible 0", "status "}));
    EXPECT_EQ(m_world.events.calls(), 2);
    EXPECT_EQ(pointerDuringExport, interaction::BusyPointer::Hourglass);
    EXPECT_NE(automation::Screen::mousePointer(), interaction::BusyPointer::Hourglass);
}

// Every file under the drive's folder, by host path.
QStringList filesOnDrive(const QString& drive)
{
    QStringList files;
    QDirIterator found(TransferWorkstation::hostPath(drive), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    files.sort();
    return files;
}

// A key that is no plain file name, or that the file's code page cannot hold, is reported as
// error 52 and written nowhere; the command goes on with the next card.
TEST_F(CardCsvExportTest, KeysThatAreNoPlainFileNamesAreReportedAndNotWritten)
{
    const QStringList hostileKeys{QStringLiteral("..\\..\\Schede\\X"),
                                  QStringLiteral("..\\X"),
                                  QStringLiteral("A/B"),
                                  QStringLiteral(".."),
                                  QStringLiteral("C:X"),
                                  QStringLiteral("A?B"),
                                  QStringLiteral("con"),
                                  QStringLiteral("LPT1.V2"),
                                  QStringLiteral("GONNA-\u03A9-\u4E2D")};
    m_world.prompter.expectFolder(TextMatcher::any(), QStringLiteral("C:\\Export\\Sub"));
    QList<FakeWindow::Row> rows;
    for (const QString& key : hostileKeys) {
        addModel(prova(), key);
        rows.append({key, true});
        m_world.prompter.expectMessage(
            TextMatcher::startsWith(QStringLiteral("Errore numero : 52\rBad file name or number\r")), Answer::Abort);
    }
    addModel(prova(), QStringLiteral("K1"));
    rows.append({QStringLiteral("K1"), true});
    TransferWorkstation::makeFolder(QStringLiteral("C:\\Export\\Sub"));
    TransferWorkstation::writeFile(QStringLiteral("C:\\Schede\\X.csv"), "kept");
    QStringList expectedFiles = filesOnDrive(QStringLiteral("C:\\"));
    expectedFiles.append(TransferWorkstation::hostPath(QStringLiteral("C:\\Export\\Sub\\K1.csv")));
    expectedFiles.sort();
    FakeWindow window(m_world.utility(), rows);

    transfer::MnuLWEsporta_Click(window);

    for (const auto& prompt : m_world.prompter.prompts().mid(1))
        EXPECT_TRUE(prompt.text.endsWith(QStringLiteral("Durante ModMain_ExportData\r\r")));
    EXPECT_EQ(filesOnDrive(QStringLiteral("C:\\")), expectedFiles);
    EXPECT_EQ(TransferWorkstation::readFile(QStringLiteral("C:\\Schede\\X.csv")), QByteArray("kept"));
    EXPECT_TRUE(window.selectedKeys().isEmpty());
}

TEST_F(CardCsvExportTest, TheCommandWithNothingSelectedWritesNoFile)
{
    addModel(prova(), QStringLiteral("K1"));
    FakeWindow window(m_world.utility(), {{QStringLiteral("K1"), false}});
    m_world.prompter.expectFolder(TextMatcher::any(), QStringLiteral("C:\\"));
    transfer::MnuLWEsporta_Click(window);
    EXPECT_FALSE(TransferWorkstation::fileExists(QStringLiteral("C:\\K1.csv")));
    // The progress bar refuses an empty range; the command goes on.
    EXPECT_EQ(window.log(),
              QStringList({"place", "refused maximum 0", "value 0", "visible 1", "visible 0", "status "}));
}

TEST_F(CardCsvExportTest, CancellingTheFolderExportsNothing)
{
    addModel(prova(), QStringLiteral("K1"));
    FakeWindow window(m_world.utility(), {{QStringLiteral("K1"), true}});
    m_world.prompter.expectFolder(TextMatcher::any(), QString());
    transfer::MnuLWEsporta_Click(window);
    EXPECT_EQ(window.selectedKeys(), QStringList{QStringLiteral("K1")});
    EXPECT_TRUE(window.log().isEmpty());
}

} // namespace
