#include "explorer/transfer/LectraImport.h"

#include "tests/explorer/transfer/TransferTest.h"

using interaction::Answer;
using interaction::TextMatcher;
using namespace Qt::StringLiterals;

namespace {

const QString pieceFile = QStringLiteral("C:\\Lectra\\GIACCA.V1.TXT");
const QByteArray header = "Nome\tNumero\tQ1\tQ2\tArea\tMateriale\tNote\tCome\tCodice\tDescrizione\tA\tB\tC\tD";

// A piece line: field 1 the name, 2 the number, 3 and 4 the counts, 6 the material, 7 the
// remarks, 8 the reference model, 9 the code, 10 the description.
QByteArray piece(const QByteArray& name, const QByteArray& code = "", const QByteArray& first = "1",
                 const QByteArray& second = "0", const QByteArray& description = "Pezzo")
{
    return name + "\tN-" + name + "\t" + first + "\t" + second + "\t0.5\tLana\tnota\tM1\t" + code + "\t" + description +
           "\t\t\t\t";
}

QByteArray lectraFile(const QList<QByteArray>& pieces)
{
    QByteArray text = header;
    for (const QByteArray& line : pieces)
        text += "\n" + line;
    return text;
}

class LectraImportTest : public TransferTest {
protected:
    static QStringList codes()
    {
        return CardArchives::rows(prova(), QStringLiteral("Select * from SchedaModello"),
                                  {QStringLiteral("PCMTV"), QStringLiteral("NumeroRiga"), QStringLiteral("SPN")});
    }
    void import(const QByteArray& text)
    {
        TransferWorkstation::writeFile(pieceFile, text);
        transfer::ImportaModelloLectra(m_world.utility(), pieceFile, QStringLiteral("GIACCA"));
    }
    static void addOldPieces(int count)
    {
        for (int row = 1; row <= count; ++row)
            addPiece(prova(), QStringLiteral("GIACCA"), row, QStringLiteral("OLD%1").arg(row));
    }
};

TEST_F(LectraImportTest, TheCardKeyIsTheFileNameBeforeItsFirstDotCutTo20Characters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Lectra\\ABC.V1.TXT", "ABC"},
        {"C:\\Lectra\\UN_NOME_DI_MODELLO_MOLTO_LUNGO.TXT", "UN_NOME_DI_MODELLO_M"},
        {"C:\\Lectra\\SENZAPUNTO", "SENZAPUNTO"},
        {"PEZZI.TXT", "PEZZI"},
        {"C:\\Lectra.2024\\ABC", "ABC"},
    };
    for (const auto& [path, key] : cases)
        EXPECT_EQ(transfer::LectraCardKey(m_world.utility(), QString::fromLatin1(path)), QString::fromLatin1(key))
            << path;
}

struct OldAndNew {
    int oldPieces;
    int newPieces;
};

void PrintTo(const OldAndNew& counts, std::ostream* out)
{
    *out << counts.oldPieces << " old, " << counts.newPieces << " new";
}

class LectraPieceCount : public LectraImportTest, public ::testing::WithParamInterface<OldAndNew> {};

TEST_P(LectraPieceCount, TheCardEndsWithExactlyTheFilesPiecesNumberedFromOne)
{
    addOldPieces(GetParam().oldPieces);
    addPiece(prova(), QStringLiteral("ALTRA"), 1, QStringLiteral("KEEP"));
    QList<QByteArray> pieces;
    QStringList expected{QStringLiteral("ALTRA|1|KEEP")};
    for (int k = 1; k <= GetParam().newPieces; ++k) {
        pieces.append(piece("P" + QByteArray::number(k)));
        expected.append(QStringLiteral("GIACCA|%1|P%1").arg(k));
    }
    import(lectraFile(pieces));
    QStringList rows = codes();
    rows.sort();
    expected.sort();
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(LectraImportTest, LectraPieceCount,
                         ::testing::Values(OldAndNew{5, 3}, OldAndNew{5, 7}, OldAndNew{0, 3}, OldAndNew{3, 3},
                                           OldAndNew{2, 1}));

TEST_F(LectraImportTest, ThePieceColumnsComeFromTheirFields)
{
    import(lectraFile({piece("Davanti", "", "2", "1", "Una descrizione molto lunga del pezzo"),
                       piece("Dietro", "D-01", "-3", "40")}) +
           "\n");
    EXPECT_EQ(CardArchives::rows(prova(), QStringLiteral("Select * from SchedaModello"),
                                 {QStringLiteral("NumeroRiga"), QStringLiteral("SPN"), QStringLiteral("Descrizione"),
                                  QStringLiteral("Digit"), QStringLiteral("RuotaX"), QStringLiteral("NumeroPezzo"),
                                  QStringLiteral("Osservazioni"), QStringLiteral("ComeModello"),
                                  QStringLiteral("Materiale")}),
              QStringList({"1|Davanti|Una descrizione molto lun|3|1|N-Davanti|nota|M1|Lana",
                           "2|D-01|Pezzo|37|40|N-Dietro|nota|M1|Lana"}));
}

struct BrokenFile {
    const char* name;
    QByteArray text;
    int error;
};

void PrintTo(const BrokenFile& file, std::ostream* out)
{
    *out << file.name;
}

class BrokenLectraFile : public LectraImportTest, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenLectraFile, AbortLeavesTheOldPiecesExactlyAsTheyWere)
{
    addOldPieces(3);
    const QStringList before = piecesOf(prova(), QStringLiteral("GIACCA"));
    m_world.prompter.expectMessage(
        TextMatcher::startsWith(QStringLiteral("Errore numero : %1\r").arg(GetParam().error)), Answer::Abort);
    import(GetParam().text);
    ASSERT_EQ(m_world.prompter.prompts().size(), 1);
    EXPECT_TRUE(m_world.prompter.prompts().at(0).text.contains(QStringLiteral("Durante Proc:ImportaModello_Error")));
    EXPECT_EQ(piecesOf(prova(), QStringLiteral("GIACCA")), before);
}

INSTANTIATE_TEST_SUITE_P(
    LectraImportTest, BrokenLectraFile,
    ::testing::Values(BrokenFile{"CountThatIsNoNumber", lectraFile({piece("P1"), piece("P2", "", "due")}), 13},
                      BrokenFile{"EmptyCount", lectraFile({piece("P1"), piece("P2", "", "1", "")}), 13},
                      BrokenFile{"LinesEndingWithCarriageReturns", header + "\r\n" + piece("P1") + "\r\n", 9},
                      BrokenFile{"NoPieceLine", header + "\n", 9}),
    [](const ::testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

// A count that is no number fails the statement that writes it: Ignore leaves that column as it
// was, never with the counts of the piece before.
TEST_F(LectraImportTest, IgnoringACountThatIsNoNumberWritesNothingForItsColumn)
{
    addPiece(prova(), QStringLiteral("GIACCA"), 1, QStringLiteral("OLD1"), Variant::fromLong(70), Variant::fromLong(7));
    const TextMatcher notANumber = TextMatcher::startsWith(QStringLiteral("Errore numero : 13\r"));
    m_world.prompter.expectMessage(notANumber, Answer::Ignore)
        .expectMessage(notANumber, Answer::Ignore)
        .expectMessage(notANumber, Answer::Ignore);
    import(lectraFile({piece("P1", "", "due", "5"), piece("P2", "", "2", "1"), piece("P3", "", "4", "x")}));
    EXPECT_EQ(CardArchives::rows(prova(), QStringLiteral("Select * from SchedaModello"),
                                 {QStringLiteral("NumeroRiga"), QStringLiteral("SPN"), QStringLiteral("Digit"),
                                  QStringLiteral("RuotaX")}),
              (QStringList{u"1|P1|70|5"_s, u"2|P2|3|1"_s, u"3|P3|<Null>|<Null>"_s}));
}

TEST_F(LectraImportTest, TheCommandCreatesTheCardImportsAndShowsTheArchive)
{
    TransferWorkstation::writeFile(pieceFile, lectraFile({piece("P1"), piece("P2")}));
    FakeWindow window(m_world.utility());
    m_world.prompter.expectOpenFile(QStringLiteral("Seleziona il file da aprire"), pieceFile);
    transfer::ImportLectraModel(window);
    const auto& dialog = m_world.prompter.prompts().at(0);
    ASSERT_EQ(dialog.filters.size(), 1);
    EXPECT_EQ(dialog.filters[0].description, QStringLiteral("Tutti i files (*.*)"));
    EXPECT_EQ(dialog.filters[0].pattern, QStringLiteral("*.*"));
    EXPECT_TRUE(dialog.initialFolder.isEmpty());
    EXPECT_EQ(CardArchives::rows(prova(), QStringLiteral("Select * from Modelli"),
                                 {QStringLiteral("PCMTV"), QStringLiteral("TagliaBase")}),
              QStringList{QStringLiteral("GIACCA|42")});
    EXPECT_EQ(codes(), QStringList({"GIACCA|1|P1", "GIACCA|2|P2"}));
    EXPECT_EQ(window.log(), QStringList{QStringLiteral("show PROVA")});
}

TEST_F(LectraImportTest, AFailedImportKeepsTheCardHeaderItCreated)
{
    TransferWorkstation::writeFile(pieceFile, header + "\r\n" + piece("P1"));
    FakeWindow window(m_world.utility());
    m_world.prompter.expectOpenFile(TextMatcher::any(), pieceFile);
    m_world.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Errore numero : 9\r")), Answer::Abort);
    transfer::ImportLectraModel(window);
    EXPECT_EQ(CardArchives::rows(prova(), QStringLiteral("Select * from Modelli"), {QStringLiteral("PCMTV")}),
              QStringList{QStringLiteral("GIACCA")});
    EXPECT_TRUE(codes().isEmpty());
}

TEST_F(LectraImportTest, CancellingTheFileDialogChangesNothing)
{
    FakeWindow window(m_world.utility());
    m_world.prompter.expectOpenFile(TextMatcher::any(), QString());
    transfer::ImportLectraModel(window);
    EXPECT_TRUE(window.log().isEmpty());
}

} // namespace
