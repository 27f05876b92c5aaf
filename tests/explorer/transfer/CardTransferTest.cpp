#include "explorer/transfer/CardTransfer.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardDragData.h"
#include "tests/explorer/transfer/TransferTest.h"
#include "tests/support/FakeWindow.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

class CardTransferTest : public TransferTest {
protected:
    CardTransferTest()
    {
        CardArchives::create(QStringLiteral("ALTRO"));
        for (const QString& key : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
            addCard(prova(), key, QStringLiteral("Nuova"));
        m_window.fill();
    }

    static QString altro() { return CardArchives::path(QStringLiteral("ALTRO")); }

    static void addCard(const QString& archive, const QString& key, const QString& collection)
    {
        addModel(archive, key, collection);
        addPiece(archive, key, 1, QStringLiteral("001"));
        CardArchives::addRow(archive, QStringLiteral("SchedaPiazzato"),
                             {{QStringLiteral("PCMTV"), key},
                              {QStringLiteral("NumeroRiga"), Variant::fromLong(1)},
                              {QStringLiteral("NomePiazzato"), QStringLiteral("P1")}});
    }

    // Every card of the archive as "key|collection|pieces|markers".
    static QStringList cardsIn(const QString& archive)
    {
        QStringList cards;
        const QStringList headers = CardArchives::rows(archive, QStringLiteral("Select * from Modelli ORDER BY PCMTV"),
                                                       {QStringLiteral("PCMTV"), QStringLiteral("DescCollezione")});
        for (const QString& header : headers) {
            const QString key = header.section(u'|', 0, 0);
            const auto count = [&](const char* table) {
                return CardArchives::rows(archive,
                                          QStringLiteral("Select * from %1 WHERE PCMTV = '%2'")
                                              .arg(QLatin1String(table), QString(key).replace(u'\'', "''")),
                                          {QStringLiteral("PCMTV")})
                    .size();
            };
            cards.append(header + QStringLiteral("|%1|%2").arg(count("SchedaModello")).arg(count("SchedaPiazzato")));
        }
        return cards;
    }

    QStringList statusTexts() const { return m_window.log().filter(QRegularExpression(QStringLiteral("^status "))); }

    FakeWindow m_window{m_world.utility()};
};

const QStringList untouchedSource{QStringLiteral("A|Nuova|1|1"), QStringLiteral("B|Nuova|1|1"),
                                  QStringLiteral("C|Nuova|1|1")};

TEST_F(CardTransferTest, PasteWithoutAnotherSelectedArchiveDoesNothing)
{
    m_window.select({QStringLiteral("A")});
    for (const std::optional<QString>& target :
         {std::optional<QString>(), std::optional<QString>(QStringLiteral("PROVA")),
          std::optional<QString>(QStringLiteral("prova"))}) {
        m_window.setSelectedArchive(target);
        transfer::MnuDBIncolla(m_window);
    }
    EXPECT_TRUE(m_window.log().isEmpty());
    EXPECT_EQ(m_window.selectedKeys(), QStringList{QStringLiteral("A")});
    EXPECT_EQ(cardsIn(prova()), untouchedSource);
}

TEST_F(CardTransferTest, PasteWithNothingSelectedHidesTheProgressAndKeepsTheMove)
{
    m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    transfer::MnuLWModelliTaglia(m_window);
    transfer::MnuDBIncolla(m_window);
    EXPECT_EQ(m_window.log(),
              (QStringList{QStringLiteral("drag image cleared"), QStringLiteral("place"), QStringLiteral("visible 1"),
                           QStringLiteral("value 1"), QStringLiteral("visible 0")}));
    EXPECT_TRUE(m_window.movePending());
    EXPECT_TRUE(cardsIn(altro()).isEmpty());
}

TEST_F(CardTransferTest, CutThenCopyMakesThePasteCopyAndDeselectEachCard)
{
    m_window.select({QStringLiteral("A"), QStringLiteral("C")});
    m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    transfer::MnuLWModelliTaglia(m_window);
    EXPECT_TRUE(m_window.movePending());
    transfer::MnuLWModelliCopia(m_window);
    transfer::MnuDBIncolla(m_window);

    EXPECT_EQ(cardsIn(altro()), (QStringList{QStringLiteral("A|Nuova|1|1"), QStringLiteral("C|Nuova|1|1")}));
    EXPECT_EQ(cardsIn(prova()), untouchedSource);
    EXPECT_TRUE(m_window.selectedKeys().isEmpty());
    EXPECT_FALSE(m_window.movePending());
    EXPECT_EQ(statusTexts(), (QStringList{QStringLiteral("status Copia: A"), QStringLiteral("status Copia: C"),
                                          QStringLiteral("status ")}));
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("ghost 0 1")));
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("ghost 2 0")));
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("maximum 2")));
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("value 2")));
    EXPECT_FALSE(m_window.log().filter(QStringLiteral("delete")).size());
}

TEST_F(CardTransferTest, CopyThenCutMakesThePasteMoveWithoutAQuestion)
{
    m_window.select({QStringLiteral("A"), QStringLiteral("C")});
    m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    transfer::MnuLWModelliCopia(m_window);
    transfer::MnuLWModelliTaglia(m_window);
    transfer::MnuDBIncolla(m_window);

    EXPECT_EQ(cardsIn(altro()), (QStringList{QStringLiteral("A|Nuova|1|1"), QStringLiteral("C|Nuova|1|1")}));
    EXPECT_EQ(cardsIn(prova()), QStringList{QStringLiteral("B|Nuova|1|1")});
    EXPECT_EQ(m_window.keys(), QStringList{QStringLiteral("B")});
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("delete ask 0")));
    EXPECT_TRUE(m_window.log().contains(QStringLiteral("status Sposta: C")));
    EXPECT_FALSE(m_window.movePending());
}

TEST_F(CardTransferTest, AMovedCardWhoseCopyFailedStaysInTheSourceSelected)
{
    addCard(prova(), QStringLiteral("D'ANGELO"), QStringLiteral("Nuova"));
    m_window.fill();
    m_window.select({QStringLiteral("C"), QStringLiteral("D'ANGELO")});
    m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    // After the first card, another open holds the target exclusively.
    store::Database holder;
    store::Workspace holding = store::Engine::instance().CreateWorkspace();
    m_world.events.atCall(2, [&] { holder = holding.OpenDatabase(altro(), true); });
    for (int table = 0; table < 3; ++table)
        m_world.prompter.expectMessage(TextMatcher::contains(QStringLiteral("ModMain_CopyTable")), Answer::Ignore);
    transfer::MnuLWModelliTaglia(m_window);
    transfer::MnuDBIncolla(m_window);
    holding.Close();

    EXPECT_EQ(cardsIn(altro()), QStringList{QStringLiteral("C|Nuova|1|1")});
    EXPECT_EQ(cardsIn(prova()), (QStringList{QStringLiteral("A|Nuova|1|1"), QStringLiteral("B|Nuova|1|1"),
                                             QStringLiteral("D'ANGELO|Nuova|1|1")}));
    EXPECT_EQ(m_window.selectedKeys(), QStringList{QStringLiteral("D'ANGELO")});
}

TEST_F(CardTransferTest, DragDataCarriesTheSourceAndTheSelectedKeysInListOrder)
{
    addCard(prova(), QStringLiteral("D'ANGELO \u00e8/\"x\" ,;|\t"), QStringLiteral("Nuova"));
    m_window.fill();
    m_window.select({QStringLiteral("C"), QStringLiteral("D'ANGELO \u00e8/\"x\" ,;|\t"), QStringLiteral("A")});
    const QStringList entries = transfer::cardDragData::entries(prova(), m_window);
    EXPECT_EQ(entries, (QStringList{prova(), QStringLiteral("A"), QStringLiteral("C"),
                                    QStringLiteral("D'ANGELO \u00e8/\"x\" ,;|\t")}));

    const std::unique_ptr<QMimeData> data = transfer::cardDragData::encode(entries);
    EXPECT_EQ(transfer::cardDragData::decode(*data), entries);
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls().first().toLocalFile(), TransferWorkstation::hostPath(prova()));

    EXPECT_THROW(transfer::cardDragData::encode({prova(), QStringLiteral("A\nB")}), platform::RuntimeError);
}

TEST_F(CardTransferTest, DecoderRefusesDataThatIsNoCardList)
{
    QMimeData text;
    text.setText(prova() + QStringLiteral("\nA\n"));
    EXPECT_FALSE(transfer::cardDragData::decode(text));

    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("C:\\Schede\\PROVA.txt\nA\n"), QByteArray("C:\\Schede\\PROVA.mdb"),
          QByteArray("\nA\n"), QByteArray("C:\\Schede\\PROVA.mdb\nA\r\n")}) {
        QMimeData data;
        data.setData(transfer::cardDragData::MimeType, bytes);
        EXPECT_FALSE(transfer::cardDragData::decode(data)) << bytes.toStdString();
    }
    QMimeData upperCase;
    upperCase.setData(transfer::cardDragData::MimeType, "C:\\SCHEDE\\PROVA.MDB\n");
    EXPECT_EQ(transfer::cardDragData::decode(upperCase), QStringList{QStringLiteral("C:\\SCHEDE\\PROVA.MDB")});
}

TEST_F(CardTransferTest, DropOnTheArchiveListCopiesIntoTheHighlightedArchive)
{
    const QStringList entries{prova(), QStringLiteral("A"), QStringLiteral("B")};
    transfer::dropOnArchiveList(m_window, entries);
    m_window.setDropTarget(QStringLiteral("Prova"));
    transfer::dropOnArchiveList(m_window, entries);
    EXPECT_TRUE(m_window.log().isEmpty());

    m_window.setDropTarget(QStringLiteral("ALTRO"));
    m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    transfer::dropOnArchiveList(m_window, entries);
    EXPECT_EQ(cardsIn(altro()), (QStringList{QStringLiteral("A|Nuova|1|1"), QStringLiteral("B|Nuova|1|1")}));
    EXPECT_EQ(cardsIn(prova()), untouchedSource);
    EXPECT_EQ(m_window.log(),
              (QStringList{QStringLiteral("place"), QStringLiteral("visible 1"), QStringLiteral("minimum 0"),
                           QStringLiteral("maximum 2"), QStringLiteral("value 0"), QStringLiteral("status Copia: A"),
                           QStringLiteral("value 1"), QStringLiteral("status Copia: B"), QStringLiteral("value 2"),
                           QStringLiteral("visible 0"), QStringLiteral("status "), QStringLiteral("highlight cleared"),
                           QStringLiteral("open ALTRO")}));
}

TEST_F(CardTransferTest, EscDuringADropStopsBeforeTheCardShown)
{
    m_window.setDropTarget(QStringLiteral("ALTRO"));
    m_world.keys.pressAtQuery(interaction::Key::Escape, 2);
    transfer::dropOnArchiveList(m_window, {prova(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(cardsIn(altro()), QStringList{QStringLiteral("A|Nuova|1|1")});
    EXPECT_EQ(statusTexts(), (QStringList{QStringLiteral("status Copia: A"), QStringLiteral("status Copia: B"),
                                          QStringLiteral("status ")}));
}

class CardListDropTest : public CardTransferTest {
protected:
    // ALTRO is open and already holds A, B and C, in the collection "Vecchia".
    CardListDropTest()
    {
        for (const QString& key : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
            addCard(altro(), key, QStringLiteral("Vecchia"));
        store::explorerState().CurrentArchive = QStringLiteral("ALTRO");
        m_window.setSelectedArchive(QStringLiteral("ALTRO"));
    }

    void drop() { transfer::dropOnCardList(m_window, m_entries); }

    void expectOverwrite(const QString& key, Answer answer)
    {
        m_world.prompter.expectMessage(
            QStringLiteral("Il modello ") + key + QStringLiteral(" esiste, lo vuoi sovrascrivere ?"), answer);
    }
    void expectOverwriteAll(Answer answer)
    {
        m_world.prompter.expectMessage(QStringLiteral("Sovrascrivo tutti i modelli senza chiede conferma ?"), answer);
    }

    const QStringList m_entries{prova(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
};

TEST_F(CardListDropTest, YesToBothQuestionsReplacesEveryCardAfterTheFirstWithoutAsking)
{
    expectOverwrite(QStringLiteral("A"), Answer::Yes);
    expectOverwriteAll(Answer::Yes);
    drop();
    EXPECT_EQ(cardsIn(altro()), untouchedSource);
    const auto& prompts = m_world.prompter.prompts();
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Conferma sovrascrittura"));
    EXPECT_EQ(prompts[0].buttons, interaction::Buttons::YesNoCancel);
    EXPECT_EQ(prompts[0].icon, interaction::Icon::Information);
    EXPECT_EQ(prompts[0].defaultButton, interaction::DefaultButton::Third);
    EXPECT_EQ(prompts[1].title, QStringLiteral("Richiesta conferma"));
    EXPECT_EQ(prompts[1].buttons, interaction::Buttons::YesNo);
    EXPECT_EQ(prompts[1].icon, interaction::Icon::Exclamation);
    EXPECT_EQ(prompts[1].defaultButton, interaction::DefaultButton::Second);
    EXPECT_EQ(m_window.keys(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
}

TEST_F(CardListDropTest, NoSkipsACardAndCancelStopsKeepingWhatWasCopied)
{
    expectOverwrite(QStringLiteral("A"), Answer::No);
    expectOverwrite(QStringLiteral("B"), Answer::Yes);
    expectOverwriteAll(Answer::No);
    expectOverwrite(QStringLiteral("C"), Answer::Cancel);
    m_world.prompter.expectMessage(QStringLiteral("Operazione cancellata come richiesto !"), Answer::Ok);
    drop();
    EXPECT_EQ(cardsIn(altro()), (QStringList{QStringLiteral("A|Vecchia|1|1"), QStringLiteral("B|Nuova|1|1"),
                                             QStringLiteral("C|Vecchia|1|1")}));
    EXPECT_EQ(m_world.prompter.prompts().last().title, QStringLiteral("Tasto CANCEL premuto"));
    EXPECT_EQ(m_window.log().filter(QRegularExpression(QStringLiteral("^value [1-9]"))),
              QStringList{QStringLiteral("value 1")});
}

TEST_F(CardListDropTest, DropsIntoTheSameArchiveOrWithNoneOpenCopyNothing)
{
    transfer::dropOnCardList(m_window, {altro().toLower(), QStringLiteral("A")});
    EXPECT_TRUE(m_window.log().isEmpty());

    store::explorerState().CurrentArchive.clear();
    m_world.prompter.expectMessage(QStringLiteral("Seleziona un database con doppio click, poi riprova"), Answer::Ok);
    drop();
    EXPECT_EQ(m_world.prompter.prompts().last().icon, interaction::Icon::None);
    EXPECT_EQ(m_world.prompter.prompts().last().title, interaction::Seams::programTitle());
    EXPECT_TRUE(m_window.log().isEmpty());
    EXPECT_EQ(cardsIn(altro()).filter(QStringLiteral("Nuova")), QStringList());
}

} // namespace
