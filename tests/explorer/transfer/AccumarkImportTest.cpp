#include "explorer/transfer/AccumarkImport.h"

#include <QFile>

#include "automation/Screen.h"
#include "explorer/store/engine/Engine.h"
#include "interaction/BusyPointer.h"
#include "tests/explorer/transfer/TransferTest.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString dumpPath = QStringLiteral("C:\\PROVA.DMO");
const QString modelPrompt = QStringLiteral("Inserisci il nome del modello da importare ");

// A record of 14 fields: model, piece number, category, the two counts, seven unused, the
// material and a comment.
QByteArray record(const QByteArray& model, const QByteArray& piece, const QByteArray& digit = "1",
                  const QByteArray& ruotaX = "0", const QByteArray& material = "Lana")
{
    return "\"" + model + "\",\"" + piece + "\",\"CAT\",\"" + digit + "\",\"" + ruotaX +
           "\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"" + material + "\",\"nota\"";
}

QByteArray dump(const QList<QByteArray>& records)
{
    QByteArray text = "DMPMODEL storage area D:\\PROVA\r\n\"Model\",\"Piece\"\r\n";
    for (const QByteArray& line : records)
        text += line + "\r\n";
    return text;
}

class AccumarkImportTest : public TransferTest {
protected:
    // Every piece row: "PCMTV|NumeroRiga|SPN|Descrizione|Digit|RuotaX|NumeroPezzo|Osservazioni|ComeModello|Materiale".
    static QStringList allPieces()
    {
        return CardArchives::rows(prova(), QStringLiteral("Select * from SchedaModello"),
                                  {QStringLiteral("PCMTV"), QStringLiteral("NumeroRiga"), QStringLiteral("SPN"),
                                   QStringLiteral("Descrizione"), QStringLiteral("Digit"), QStringLiteral("RuotaX"),
                                   QStringLiteral("NumeroPezzo"), QStringLiteral("Osservazioni"),
                                   QStringLiteral("ComeModello"), QStringLiteral("Materiale")});
    }
    static QStringList keyAndRow()
    {
        return CardArchives::rows(prova(), QStringLiteral("Select * from SchedaModello"),
                                  {QStringLiteral("PCMTV"), QStringLiteral("NumeroRiga")});
    }
    static QStringList headers()
    {
        return CardArchives::rows(
            prova(), QStringLiteral("Select * from Modelli"),
            {QStringLiteral("PCMTV"), QStringLiteral("TagliaBase"), QStringLiteral("GammaTaglie")});
    }
    // Runs the import, answering the input box and then, when given, the error dialog.
    void importModel(const QString& typed, const QByteArray& dumpText, const TextMatcher& error = TextMatcher::any(),
                     Answer answer = Answer::None)
    {
        TransferWorkstation::writeFile(dumpPath, dumpText);
        m_world.prompter.expectInput(modelPrompt, typed);
        if (answer != Answer::None)
            m_world.prompter.expectMessage(error, answer);
        transfer::ImportaModello(dumpPath);
    }
};

TEST_F(AccumarkImportTest, TheModelTypedInAnotherCaseIsFoundAndItsPiecesKeepTheDumpsName)
{
    QList<QByteArray> records{record("Altro", "A1")};
    for (int piece = 1; piece <= 9; ++piece)
        records.append(record("Giacca", "P" + QByteArray::number(piece)));
    records.append(record("Giacca", "Pezzo con un numero lungo", "12345", "-7", "  Lana pettinata di prima scelta"));
    QByteArray text = dump(records);
    text.chop(2); // the last piece is the last line, without a line end

    importModel(QStringLiteral("GIACCA"), text);

    EXPECT_EQ(headers(), QStringList{QStringLiteral("GIACCA|42|38,40,42,44,46,48,50,52")});
    const QStringList pieces = allPieces();
    ASSERT_EQ(pieces.size(), 10);
    EXPECT_EQ(pieces[0], QStringLiteral("Giacca|1|001||1|0|P1|||Lana"));
    EXPECT_EQ(pieces[8], QStringLiteral("Giacca|9|009||1|0|P9|||Lana"));
    EXPECT_EQ(pieces[9], QStringLiteral("Giacca|10|010||1234|-7|Pezzo con un numero |||Lana pettinata di"));
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    EXPECT_EQ(m_world.prompter.prompts()[0].title, QStringLiteral("Importa modello da Accumark"));
}

TEST_F(AccumarkImportTest, ADumpWithoutTheModelLeavesTheCardWithItsHeaderAndNoPieces)
{
    addModel(prova(), QStringLiteral("GIACCA"), QStringLiteral("Inverno"), QString(), QString(), QStringLiteral("48"));
    for (int row = 1; row <= 3; ++row)
        addPiece(prova(), QStringLiteral("GIACCA"), row, QStringLiteral("OLD"));
    addPiece(prova(), QStringLiteral("ALTRA"), 1, QStringLiteral("KEEP"));
    importModel(QStringLiteral("GIACCA"), dump({record("Gonna", "G1")}));
    EXPECT_EQ(headers(), QStringList{QStringLiteral("GIACCA|48|40,42,44")});
    EXPECT_EQ(keyAndRow(), QStringList{QStringLiteral("ALTRA|1")});
}

TEST_F(AccumarkImportTest, RunningTheImportTwiceGivesTheSameRows)
{
    const QByteArray text = dump({record("Giacca", "P1"), record("Giacca", "P2")});
    importModel(QStringLiteral("Giacca"), text);
    const QStringList first = allPieces();
    importModel(QStringLiteral("Giacca"), text);
    EXPECT_EQ(allPieces(), first);
    EXPECT_EQ(first.size(), 2);
}

TEST_F(AccumarkImportTest, ALaterRunOfTheModelIsImportedAgainCountingFromOne)
{
    importModel(QStringLiteral("Giacca"),
                dump({record("Giacca", "P1"), record("Giacca", "P2"), record("Gonna", "G1"), record("Giacca", "P3")}));
    EXPECT_EQ(keyAndRow(), QStringList({"Giacca|1", "Giacca|2", "Giacca|1"}));
}

TEST_F(AccumarkImportTest, CancellingTheInputBoxChangesNothing)
{
    addPiece(prova(), QStringLiteral("GIACCA"), 1, QStringLiteral("OLD"));
    importModel(QString(), dump({record("GIACCA", "P1")}));
    EXPECT_TRUE(headers().isEmpty());
    EXPECT_EQ(keyAndRow(), QStringList{QStringLiteral("GIACCA|1")});
}

TEST_F(AccumarkImportTest, AbortInsideARunDiscardsThatRunAndKeepsTheOnesBefore)
{
    importModel(
        QStringLiteral("Giacca"),
        dump({record("Giacca", "P1"), record("Gonna", "G1"), record("Giacca", "P2"), record("Giacca", "P3", "tre")}),
        TextMatcher::contains(QStringLiteral("Durante Proc:ImportaModello_Error")), Answer::Abort);
    EXPECT_EQ(keyAndRow(), QStringList{QStringLiteral("Giacca|1")});
    EXPECT_NO_THROW(store::Engine::instance().CreateWorkspace().OpenDatabase(prova(), true, false).Close());
}

TEST_F(AccumarkImportTest, IgnoreSkipsTheFailingValueAndKeepsThePiece)
{
    importModel(QStringLiteral("Giacca"), dump({record("Giacca", "P1", "tre", "2")}),
                TextMatcher::startsWith(QStringLiteral("Errore numero : 3421\r")), Answer::Ignore);
    EXPECT_EQ(allPieces(), QStringList{QStringLiteral("Giacca|1|001||<Null>|2|P1|||Lana")});
}

TEST_F(AccumarkImportTest, AMissingDumpIsReportedAfterTheOldPiecesAreDeleted)
{
    addPiece(prova(), QStringLiteral("Giacca"), 1, QStringLiteral("OLD"));
    m_world.prompter.expectInput(modelPrompt, QStringLiteral("Giacca"));
    m_world.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Errore numero : 53\r")), Answer::Abort);
    transfer::ImportaModello(QStringLiteral("C:\\MANCA.DMO"));
    EXPECT_EQ(headers().size(), 1);
    EXPECT_TRUE(keyAndRow().isEmpty());
}

TEST(AccumarkDumpFileName, IsTheProgramsDriveTheAreaNameAndTheAreasDrive)
{
    EXPECT_EQ(transfer::dumpFileName(QStringLiteral("C:\\Tramex\\"), QStringLiteral("D:\\PROVA")),
              QStringLiteral("C:\\PROVA.DMO"));
    EXPECT_EQ(transfer::dumpFileName(QStringLiteral("E:\\"), QStringLiteral("G:\\AREA 2")),
              QStringLiteral("E:\\AREA 2.GMO"));
    // A network area has no drive: its first character stands in for the letter.
    EXPECT_EQ(transfer::dumpFileName(QStringLiteral("C:\\Tramex\\"), QStringLiteral("RETE1")),
              QStringLiteral("C:\\E1.RMO"));
}

// The command, with the stand-in dump utility installed where Accumark keeps it.
class AccumarkCommandTest : public AccumarkImportTest {
protected:
    AccumarkCommandTest() { TransferWorkstation::makeFolder(QStringLiteral("C:\\userroot\\prog\\util")); }
    static void installDumpUtility()
    {
        QFile::link(TransferWorkstation::builtProgram(QStringLiteral("DMPMODEL")),
                    TransferWorkstation::hostPath(QStringLiteral("C:\\userroot\\prog\\util")) +
                        QStringLiteral("/DMPMODEL.exe"));
    }
    FakeWindow m_window{m_world.utility()};
};

TEST_F(AccumarkCommandTest, DumpsTheChosenAreaAndImportsTheModel)
{
    installDumpUtility();
    TransferWorkstation::writeFile(QStringLiteral("D:\\userroot\\storage\\AREA1\\GIACCA.MOD"),
                                   "; giacca da uomo\r\nDavanti;A;2;0;Lana\r\nManica;B;2;2;Fodera\r\n");
    TransferWorkstation::writeFile(QStringLiteral("D:\\userroot\\storage\\AREA1\\GONNA.MOD"), "Fianco;A;2;0;Lana\r\n");
    m_window.setChosenArea(QStringLiteral("D:\\AREA1"));
    m_world.prompter.expectInput(modelPrompt, QStringLiteral("giacca"));
    int pointerDuringImport = 0;
    m_world.beforeNextPrompt([&] { pointerDuringImport = automation::Screen::mousePointer(); });

    transfer::ImportAccumarkModel(m_window);

    EXPECT_TRUE(TransferWorkstation::fileExists(QStringLiteral("C:\\AREA1.DMO")));
    EXPECT_EQ(allPieces(), QStringList({"GIACCA|1|001||2|0|Davanti|||Lana", "GIACCA|2|002||2|2|Manica|||Fodera"}));
    EXPECT_EQ(pointerDuringImport, interaction::BusyPointer::Hourglass);
    EXPECT_NE(automation::Screen::mousePointer(), interaction::BusyPointer::Hourglass);
}

TEST_F(AccumarkCommandTest, ANetworkAreaPassesUnchangedAndItsDumpIsFoundAllTheSame)
{
    installDumpUtility();
    TransferWorkstation::writeFile(QStringLiteral("C:\\userroot\\system\\state\\stordir\\RETE1\\Gonna.mod"),
                                   "Fianco;A;4;0;Cotone\r\n");
    m_window.setChosenArea(QStringLiteral("RETE1"));
    m_world.prompter.expectInput(modelPrompt, QStringLiteral("GONNA"));
    transfer::ImportAccumarkModel(m_window);
    EXPECT_TRUE(TransferWorkstation::fileExists(QStringLiteral("C:\\E1.RMO")));
    EXPECT_EQ(allPieces(), QStringList{QStringLiteral("Gonna|1|001||4|0|Fianco|||Cotone")});
}

TEST_F(AccumarkCommandTest, AMissingDumpUtilityIsReportedAndNothingChanges)
{
    m_window.setChosenArea(QStringLiteral("D:\\AREA1"));
    m_world.prompter.expectMessage(QStringLiteral("Il file 'c:\\userroot\\prog\\util\\DMPMODEL.EXE' non esiste "),
                                   Answer::Ok);
    transfer::ImportAccumarkModel(m_window);
    const auto& box = m_world.prompter.prompts().at(0);
    EXPECT_EQ(box.buttons, interaction::Buttons::Ok);
    EXPECT_EQ(box.icon, interaction::Icon::None);
    EXPECT_EQ(box.title, QStringLiteral("Schedex"));
    EXPECT_TRUE(headers().isEmpty());
}

TEST_F(AccumarkCommandTest, CancellingTheChooserChangesNothing)
{
    installDumpUtility();
    transfer::ImportAccumarkModel(m_window);
    EXPECT_EQ(m_window.log(), QStringList{QStringLiteral("choose")});
    EXPECT_TRUE(headers().isEmpty());
}

} // namespace
