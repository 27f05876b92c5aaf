#include "explorer/transfer/CardCsvImport.h"

#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseFile.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardCsvExport.h"
#include "tests/explorer/transfer/TransferTest.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QStringList modelColumns{"PCMTV", "DescCollezione", "DescVariante", "DescCapo", "TagliaBase", "GammaTaglie"};
const QStringList markerColumns{
    "NumeroRiga", "NomePiazzato", "NumeroOrdine", "Descrizione", "Tessuto",  "CodiceTessuto", "ChTa",
    "Altezza",    "PassoX",       "PassoY",       "LimStes",     "Annota",   "SgroSpa",       "Incontri",
    "NomeModel",  "Taglie",       "Quantita",     "Consumo",     "Utilizzo", "ConsumoXTG",    "TotalePezzi"};

const QString cardFile = QStringLiteral("C:\\Import\\K1.csv");

QByteArray markerRow(const QByteArray& consumo = "\"0.5\"")
{
    return "\"P1\",\"O1\",\"Piazzato\",\"Lana\",\"L01\",\"C\",\"150\",\"1\",\"2\",\"3\",\"nota\",\"S\",\"I\","
           "\"M\",\"40,42\",\"1,1\"," +
           consumo + ",\"80%\",\"0.25\",\"24\"\r\n";
}

class CardCsvImportTest : public TransferTest {
protected:
    static QStringList models(const QString& archive)
    {
        return CardArchives::rows(archive, QStringLiteral("Select * from Modelli"), modelColumns);
    }
    static QStringList markers(const QString& archive)
    {
        return CardArchives::rows(archive, QStringLiteral("Select * from SchedaPiazzato"), markerColumns);
    }
    static QStringList allPieces(const QString& archive)
    {
        return CardArchives::rows(
            archive, QStringLiteral("Select * from SchedaModello"),
            {QStringLiteral("PCMTV"), QStringLiteral("NumeroRiga"), QStringLiteral("SPN"), QStringLiteral("Digit")});
    }
    static void import(const QByteArray& file, const QString& archive = QStringLiteral("PROVA"))
    {
        TransferWorkstation::writeFile(cardFile, file);
        transfer::ImportData(cardFile, archive);
    }
    static bool archiveIsFree(const QString& archive)
    {
        try {
            store::Engine::instance().CreateWorkspace().OpenDatabase(archive, true, false).Close();
            return true;
        } catch (const platform::RuntimeError&) {
            return false;
        }
    }
};

TEST_F(CardCsvImportTest, AnExportedCardComesBackIntoAnotherArchiveWithNullsAsEmptyTextAndZeroCounts)
{
    addModel(prova(), QStringLiteral("K1"), Variant::null(), QStringLiteral("Estate, mare"),
             QStringLiteral("Giacca \u00e8"), QStringLiteral("42"), QStringLiteral("38,40,42"));
    addPiece(prova(), QStringLiteral("K1"), 1, QStringLiteral("001"), Variant::null(), Variant::fromLong(0));
    addPiece(prova(), QStringLiteral("K1"), 2, QStringLiteral("002"), Variant::fromLong(12), Variant::fromLong(-3));
    CardArchives::addRow(prova(), QStringLiteral("SchedaPiazzato"),
                         {{QStringLiteral("PCMTV"), QStringLiteral("K1")},
                          {QStringLiteral("NumeroRiga"), Variant::fromLong(1)},
                          {QStringLiteral("NomePiazzato"), QStringLiteral("P1")},
                          {QStringLiteral("Taglie"), QStringLiteral("40,42")}});
    transfer::ExportData(QStringLiteral("C:\\"), QStringLiteral("PROVA"), QStringLiteral("K1"));
    const QString altro = CardArchives::create(QStringLiteral("ALTRO"));

    transfer::ImportData(QStringLiteral("C:\\K1.csv"), QStringLiteral("ALTRO"));

    EXPECT_EQ(models(altro), QStringList{QStringLiteral("K1||Estate, mare|Giacca \u00e8|42|38,40,42")});
    EXPECT_EQ(piecesOf(altro, QStringLiteral("K1")), QStringList({"1|001||0|0||||", "2|002||12|-3||||"}));
    EXPECT_EQ(markers(altro), QStringList{QStringLiteral("1|P1||||||||||||||40,42|||||")});
    EXPECT_TRUE(archiveIsFree(altro));
}

TEST_F(CardCsvImportTest, AValueLongerThanItsWidthLeavesWholeAndComesBackCut)
{
    // An archive made elsewhere, whose collection column is wider than the card file keeps.
    QList<store::TableDefinition> tables = store::CardArchiveSchema::tables();
    tables[0].columns[1].size = 60;
    const QString wide = CardArchives::path(QStringLiteral("LARGO"));
    store::DatabaseFile::create(wide, tables);
    const QString collection = QStringLiteral("Collezione Primavera Estate 2026 linea donna");
    addModel(wide, QStringLiteral("K1"), collection);
    transfer::ExportData(QStringLiteral("C:\\"), QStringLiteral("LARGO"), QStringLiteral("K1"));
    EXPECT_TRUE(TransferWorkstation::readFile(QStringLiteral("C:\\K1.csv"))
                    .contains("\"K1\",\"" + collection.toLatin1() + "\","));

    transfer::ImportData(QStringLiteral("C:\\K1.csv"), QStringLiteral("PROVA"));
    EXPECT_EQ(models(prova()), QStringList{QStringLiteral("K1|Collezione Primavera Estate 20|||42|40,42,44")});
}

TEST_F(CardCsvImportTest, ValuesAreCutToTheirWidthsTrimmedAndCountsReadAsNumbers)
{
    import("Tramex Scheda\r\n\"ALTRO\"\r\n"
           "\"  ABCDEFGHIJKLMNOPQRSTUVWXYZ\",\" Primavera \",\"Capo\",\"Variante\",\"4242\",\"40\"\r\n"
           "\"Scheda Modello\",2\r\n"
           "\"001\",\"Una descrizione troppo lunga per il campo\",\" 1 2 \",\"7 cm\",\"1\",\"\",\"\",\"Lana\"\r\n"
           "002,Dietro,,- 3 4x,2,oss,M,  Cotone  \r\n"
           "\"Scheda Piazzato\",0\r\n");
    const QString key = QStringLiteral("ABCDEFGHIJKLMNOPQR");
    EXPECT_EQ(models(prova()), QStringList{key + QStringLiteral("|Primavera|Variante|Capo|424|40")});
    EXPECT_EQ(piecesOf(prova(), key),
              QStringList({"1|001|Una descrizione troppo lu|12|7|1|||Lana", "2|002|Dietro|0|-34|2|oss|M|Cotone"}));
}

TEST_F(CardCsvImportTest, AValueHoldingADoubleQuoteEndsThereAndTheRestOfTheLineShifts)
{
    import("Tramex Scheda\r\n\"PROVA\"\r\n\"K1\",\"\",\"\",\"\",\"42\",\"40\"\r\n\"Scheda Modello\",0\r\n"
           "\"Scheda Piazzato\",1\r\n" +
           markerRow("\"1\"2,5\""));
    EXPECT_EQ(markers(prova()),
              QStringList{QStringLiteral("1|P1|O1|Piazzato|Lana|L01|C|150|1|2|3|nota|S|I|M|40,42|1,1|1|5\"|80%|0.25")});
}

TEST_F(CardCsvImportTest, TheSameFileTwiceShowsTheCardExistsAndChangesNothing)
{
    const QByteArray file = "Tramex Scheda\r\n\"PROVA\"\r\n\"K1\",\"\",\"\",\"\",\"42\",\"40\"\r\n"
                            "\"Scheda Modello\",1\r\n\"001\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                            "\"Scheda Piazzato\",0\r\n";
    import(file);
    m_world.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("La scheda")), Answer::Cancel);
    import(file);
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    const auto& box = m_world.prompter.prompts()[0];
    EXPECT_EQ(box.text,
              QStringLiteral("La scheda\r") + cardFile +
                  QStringLiteral("\rnell'archivio schede PROVA esiste gia'\r\rPRIMA DI IMPORTARLA DEVI CANCELLARLA !"));
    EXPECT_EQ(box.title, QStringLiteral("Scheda esistente"));
    EXPECT_EQ(box.buttons, interaction::Buttons::OkCancel);
    EXPECT_EQ(box.icon, interaction::Icon::Exclamation);
    EXPECT_EQ(allPieces(prova()), QStringList{QStringLiteral("K1|1|001|0")});
}

TEST_F(CardCsvImportTest, AKeyWithAnApostropheIsFoundAndImported)
{
    const QByteArray file = "Tramex Scheda\r\n\"PROVA\"\r\n\"D'ANGELO\",\"\",\"\",\"\",\"42\",\"40\"\r\n"
                            "\"Scheda Modello\",0\r\n\"Scheda Piazzato\",0\r\n";
    import(file);
    EXPECT_EQ(models(prova()), QStringList{QStringLiteral("D'ANGELO||||42|40")});
    m_world.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("La scheda")), Answer::Ok);
    import(file);
}

class RefusedSignature : public CardCsvImportTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedSignature, IsReportedAndNothingIsWritten)
{
    m_world.prompter.expectMessage(QStringLiteral("Il file non e' una scheda di Tramex"), Answer::Ok);
    import(QByteArray(GetParam()) + "\"PROVA\"\r\n\"K1\",\"\",\"\",\"\",\"42\",\"40\"\r\n"
                                    "\"Scheda Modello\",0\r\n\"Scheda Piazzato\",0\r\n");
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    EXPECT_EQ(m_world.prompter.prompts()[0].title, QStringLiteral("Problemi con l'importazione"));
    EXPECT_EQ(m_world.prompter.prompts()[0].icon, interaction::Icon::Exclamation);
    EXPECT_TRUE(models(prova()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(CardCsvImportTest, RefusedSignature,
                         ::testing::Values("tramex scheda\r\n", "TRAMEX SCHEDA\r\n", "Tramex Scheda \r\n",
                                           "Tramex Schede\r\n", " Tramex  Scheda\r\n", "Scheda Tramex\r\n"));

TEST_F(CardCsvImportTest, AnEmptyFileIsNoCard)
{
    m_world.prompter.expectMessage(QStringLiteral("Il file non e' una scheda di Tramex"), Answer::Ok);
    import(QByteArray());
}

struct MalformedFile {
    const char* name;
    QByteArray body; // after the signature, the archive and the model line of K1
    int error;
};

void PrintTo(const MalformedFile& file, std::ostream* out)
{
    *out << file.name;
}

class MalformedCardFile : public CardCsvImportTest, public ::testing::WithParamInterface<MalformedFile> {};

TEST_P(MalformedCardFile, ShowsTheErrorAndImportsNothing)
{
    m_world.prompter.expectMessage(
        TextMatcher::startsWith(QStringLiteral("Errore numero : %1\r").arg(GetParam().error)), Answer::Abort);
    import("Tramex Scheda\r\n\"PROVA\"\r\n\"K1\",\"\",\"\",\"\",\"42\",\"40\"\r\n" + GetParam().body);
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    EXPECT_TRUE(m_world.prompter.prompts()[0].text.endsWith(QStringLiteral("Durante ModMain_ImportData\r\r")));
    EXPECT_TRUE(models(prova()).isEmpty());
    EXPECT_TRUE(allPieces(prova()).isEmpty());
    EXPECT_TRUE(markers(prova()).isEmpty());
    EXPECT_TRUE(archiveIsFree(prova()));
}

INSTANTIATE_TEST_SUITE_P(
    CardCsvImportTest, MalformedCardFile,
    ::testing::Values(
        MalformedFile{"FileEndsBeforeTheSections", "", 62},
        MalformedFile{"MarkerRowCutShort",
                      "\"Scheda Modello\",1\r\n\"001\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"Scheda Piazzato\",1\r\n"
                      "\"P1\",\"O1\",\"Piazzato\"\r\n",
                      62},
        MalformedFile{"PieceSectionShorterThanItsCount",
                      "\"Scheda Modello\",3\r\n\"001\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                      "\"002\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"Scheda Piazzato\",0\r\n",
                      62},
        MalformedFile{"MarkerSectionShorterThanItsCount",
                      "\"Scheda Modello\",0\r\n\"Scheda Piazzato\",2\r\n" + markerRow(), 62},
        MalformedFile{"CountThatIsNoNumber", "\"Scheda Modello\",due\r\n\"Scheda Piazzato\",0\r\n", 13},
        MalformedFile{"CountBeyondAnInteger", "\"Scheda Modello\",40000\r\n\"Scheda Piazzato\",0\r\n", 6},
        MalformedFile{"DigitTheColumnRefuses",
                      "\"Scheda Modello\",1\r\n\"001\",\"\",\"99999999999\",\"\",\"\",\"\",\"\",\"\"\r\n"
                      "\"Scheda Piazzato\",0\r\n",
                      3421}),
    [](const ::testing::TestParamInfo<MalformedFile>& info) { return std::string(info.param.name); });

TEST_F(CardCsvImportTest, RetryReadsTheFileAgainOnceTheArchiveIsThere)
{
    m_world.prompter.expectMessage(TextMatcher::contains(QStringLiteral("Durante ModMain_ImportData")), Answer::Retry);
    m_world.beforeNextPrompt([] { CardArchives::create(QStringLiteral("NUOVO")); });
    import("Tramex Scheda\r\n\"PROVA\"\r\n\"K1\",\"\",\"\",\"\",\"42\",\"40\"\r\n\"Scheda Modello\",0\r\n"
           "\"Scheda Piazzato\",1\r\n" +
               markerRow(),
           QStringLiteral("NUOVO"));
    EXPECT_EQ(models(CardArchives::path(QStringLiteral("NUOVO"))), QStringList{QStringLiteral("K1||||42|40")});
    EXPECT_EQ(markers(CardArchives::path(QStringLiteral("NUOVO"))).size(), 1);
}

TEST_F(CardCsvImportTest, TheCommandImportsTheChosenFileIntoTheCurrentArchiveAndShowsItAgain)
{
    TransferWorkstation::writeFile(cardFile, "Tramex Scheda\r\n\"ALTRO\"\r\n\"K9\",\"\",\"\",\"\",\"42\",\"40\"\r\n"
                                             "\"Scheda Modello\",0\r\n\"Scheda Piazzato\",0\r\n");
    FakeWindow window(m_world.utility());
    m_world.prompter.expectOpenFile(QStringLiteral("Seleziona la scheda da importare"), cardFile);
    transfer::MnuLWImporta_Click(window);
    const auto& dialog = m_world.prompter.prompts().at(0);
    ASSERT_EQ(dialog.filters.size(), 1);
    EXPECT_EQ(dialog.filters[0].description, QStringLiteral("File CSV (*.csv)"));
    EXPECT_EQ(dialog.filters[0].pattern, QStringLiteral("*.csv"));
    EXPECT_EQ(dialog.initialFolder, QStringLiteral("C:\\Tramex\\"));
    EXPECT_EQ(models(prova()), QStringList{QStringLiteral("K9||||42|40")});
    EXPECT_EQ(window.log(), QStringList{QStringLiteral("show PROVA")});
}

TEST_F(CardCsvImportTest, CancellingTheFileDialogDoesNothing)
{
    FakeWindow window(m_world.utility());
    m_world.prompter.expectOpenFile(TextMatcher::any(), QString());
    transfer::MnuLWImporta_Click(window);
    EXPECT_TRUE(window.log().isEmpty());
}

TEST_F(CardCsvImportTest, WithNoArchiveOpenTheCommandAsksForOneFirst)
{
    store::explorerState().CurrentArchive.clear();
    FakeWindow window(m_world.utility());
    m_world.prompter.expectMessage(QStringLiteral("Aprire prima un archivio"), Answer::Ok);
    transfer::MnuLWImporta_Click(window);
    EXPECT_TRUE(window.log().isEmpty());
    EXPECT_EQ(m_world.prompter.prompts().size(), 1U);
}

} // namespace
