#include "explorer/store/CardStore.h"

#include <functional>
#include <vector>

#include "automation/Screen.h"
#include "explorer/store/CardSchema.h"
#include "interaction/BusyPointer.h"
#include "platform/RuntimeError.h"
#include "tests/explorer/store/CardArchiveFixture.h"

using interaction::Answer;
using interaction::TextMatcher;
namespace cardSchema = store::cardSchema;

namespace {

void copyCard(const QString& source, const QString& target, const QString& key)
{
    for (const QLatin1String table : cardSchema::CardTables)
        store::CopyTable(source, table, target, table, cardSchema::cardCondition(key));
}

void copyHeader(const QString& source, const QString& target, const QString& key)
{
    store::CopyTable(source, QStringLiteral("Modelli"), target, QStringLiteral("Modelli"),
                     cardSchema::cardCondition(key));
}

void deleteCard(const QString& archive, const QString& key)
{
    for (const QLatin1String table : cardSchema::CardTables)
        store::EseguiSql(archive, cardSchema::deleteCardRows(table, key));
}

TextMatcher errorDialog(int number, const QString& procedure)
{
    return TextMatcher::matches(QRegularExpression(
        QStringLiteral("^Errore numero : %1\r[^\r]*\r\rSpiegazione : Traduzione non disponibile\r\rDurante %2\r\r$")
            .arg(number)
            .arg(QRegularExpression::escape(procedure))));
}

QStringList sorted(QStringList keys)
{
    keys.sort();
    return keys;
}

} // namespace

class CopyTableTest : public CardArchiveFixture {
protected:
    CopyTableTest()
    {
        addCardRows(cardArchive(QStringLiteral("A")), QStringLiteral("K1"), 3, 2);
        addCardRows(path(QStringLiteral("A")), QStringLiteral("K2"), 1, 1);
        addCardRows(cardArchive(QStringLiteral("B")), QStringLiteral("K9"), 1, 1);
    }

    // The source is closed again when another process can hold it exclusively.
    bool sourceClosed() const
    {
        return holder(path(QStringLiteral("A")), QStringLiteral("exclusive"))->status() == "open";
    }

    const QString m_source = path(QStringLiteral("A"));
    const QString m_target = path(QStringLiteral("B"));
};

TEST_F(CopyTableTest, CopiesTheCardsRowsOfEachTableAndKeepsTheSource)
{
    copyCard(m_source, m_target, QStringLiteral("K1"));

    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), QStringList({"K1", "K9"}));
    EXPECT_EQ(keysIn(m_target, QStringLiteral("SchedaModello")), QStringList({"K1", "K1", "K1", "K9"}));
    EXPECT_EQ(keysIn(m_target, QStringLiteral("SchedaPiazzato")), QStringList({"K1", "K1", "K9"}));
    EXPECT_EQ(headerOf(m_target, QStringLiteral("K1")), headerOf(m_source, QStringLiteral("K1")));
    EXPECT_EQ(keysIn(m_source, QStringLiteral("SchedaModello")), QStringList({"K1", "K1", "K1", "K2"}));
    EXPECT_TRUE(m_seams.prompter.prompts().isEmpty());
}

TEST_F(CopyTableTest, AMissingKeyCopiesNothingAndSaysNothing)
{
    copyCard(m_source, m_target, QStringLiteral("K7"));

    for (const QLatin1String table : cardSchema::CardTables)
        EXPECT_EQ(keysIn(m_target, table), QStringList({"K9"})) << table.data();
    EXPECT_TRUE(m_seams.prompter.prompts().isEmpty());
}

TEST_F(CopyTableTest, RetryRunsTheFailingStatementAgainUntilItWorks)
{
    const auto lock = holder(m_target, QStringLiteral("exclusive"));
    ASSERT_EQ(lock->status(), "open");
    m_seams.prompter.expectMessage(errorDialog(3045, QStringLiteral("ModMain_CopyTable")), Answer::Retry)
        .expectMessage(errorDialog(3045, QStringLiteral("ModMain_CopyTable")), Answer::Retry);
    m_hook.atMessage(2, [&] { lock->kill(); });

    copyHeader(m_source, m_target, QStringLiteral("K1"));

    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), QStringList({"K1", "K9"}));
    const auto& prompt = m_seams.prompter.prompts().at(0);
    EXPECT_EQ(prompt.buttons, interaction::Buttons::AbortRetryIgnore);
    EXPECT_EQ(prompt.defaultButton, interaction::DefaultButton::Second);
    EXPECT_EQ(prompt.icon, interaction::Icon::None);
    EXPECT_EQ(prompt.title, QStringLiteral("Schedex"));
}

class CopyTableAnswerTest : public CopyTableTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(CopyTableAnswerTest, IgnoreAndAbortCopyNothingAndCloseTheSource)
{
    const auto lock = holder(m_target, QStringLiteral("exclusive"));
    ASSERT_EQ(lock->status(), "open");
    m_seams.prompter.expectMessage(errorDialog(3045, QStringLiteral("ModMain_CopyTable")), GetParam());

    copyHeader(m_source, m_target, QStringLiteral("K1"));

    lock->kill();
    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), QStringList({"K9"}));
    EXPECT_TRUE(sourceClosed());
}

INSTANTIATE_TEST_SUITE_P(Answers, CopyTableAnswerTest, ::testing::Values(Answer::Ignore, Answer::Abort),
                         [](const ::testing::TestParamInfo<Answer>& info) {
                             return info.param == Answer::Ignore ? "Ignore" : "Abort";
                         });

TEST_F(CopyTableTest, AbortLeavesAtOnceWhenTheSourceCannotBeOpened)
{
    m_seams.prompter.expectMessage(errorDialog(3024, QStringLiteral("ModMain_CopyTable")), Answer::Abort);

    copyHeader(path(QStringLiteral("NONE")), m_target, QStringLiteral("K1"));

    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), QStringList({"K9"}));
}

// Keys are data: an apostrophe is doubled wherever a key stands between quotes, so such a card
// can be copied, tested and deleted, and a key written like a condition touches only its card.
class KeyAsDataTest : public CopyTableTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(KeyAsDataTest, CopyExistsDeleteAndCreateTouchOnlyThatCard)
{
    const QString key = QString::fromUtf8(GetParam());
    addCardRows(m_source, key, 2, 1);

    copyCard(m_source, m_target, key);
    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), sorted({key, QStringLiteral("K9")}));
    EXPECT_EQ(keysIn(m_target, QStringLiteral("SchedaModello")), sorted({key, key, QStringLiteral("K9")}));

    openArchive(QStringLiteral("B"));
    EXPECT_TRUE(store::CardExists(key));
    deleteCard(m_target, key);
    EXPECT_FALSE(store::CardExists(key));
    for (const QLatin1String table : cardSchema::CardTables)
        EXPECT_EQ(keysIn(m_target, table), QStringList({"K9"})) << table.data();

    store::CreateCardHeader(key);
    EXPECT_EQ(keysIn(m_target, QStringLiteral("Modelli")), sorted({key, QStringLiteral("K9")}));
    EXPECT_TRUE(m_seams.prompter.prompts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyAsDataTest,
                         ::testing::Values("D'ANGELO", "X' OR 'a'='a", "''", "K1' --", "GONNA 'A' 42"));

class EseguiSqlTest : public CardArchiveFixture {
protected:
    EseguiSqlTest()
    {
        addCardRows(cardArchive(QStringLiteral("A")), QStringLiteral("K1"), 1, 1);
        addCardRows(m_archive, QStringLiteral("K2"), 1, 1);
        automation::Screen::setMousePointer(0);
    }

    const QString m_archive = path(QStringLiteral("A"));
    const QString m_deleteK1 = QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = 'K1'");
};

TEST_F(EseguiSqlTest, RunsTheStatementUnderTheHourglassAndPutsThePointerBack)
{
    std::vector<int> pointers;
    automation::Screen::install({[&](int pointer) { pointers.push_back(pointer); }, {}, {}});

    store::EseguiSql(m_archive, m_deleteK1);
    automation::Screen::install({});

    EXPECT_EQ(keysIn(m_archive, QStringLiteral("Modelli")), QStringList({"K2"}));
    EXPECT_EQ(pointers, std::vector<int>({interaction::BusyPointer::Hourglass, 0}));
}

TEST_F(EseguiSqlTest, LeavingThroughTheDialogPutsThePointerBack)
{
    const auto lock = holder(m_archive, QStringLiteral("exclusive"));
    ASSERT_EQ(lock->status(), "open");
    int pointerWhileAsking = -1;
    m_hook.atMessage(1, [&] { pointerWhileAsking = automation::Screen::mousePointer(); });
    m_seams.prompter.expectMessage(errorDialog(3045, QStringLiteral("EseguiSql")), Answer::Abort);

    store::EseguiSql(m_archive, m_deleteK1);

    EXPECT_EQ(pointerWhileAsking, interaction::BusyPointer::Hourglass);
    EXPECT_EQ(automation::Screen::mousePointer(), 0);
    lock->kill();
    EXPECT_EQ(keysIn(m_archive, QStringLiteral("Modelli")), QStringList({"K1", "K2"}));
}

TEST_F(EseguiSqlTest, AStatementTheEngineRefusesIsReportedAndIgnored)
{
    m_seams.prompter.expectMessage(errorDialog(3078, QStringLiteral("EseguiSql")), Answer::Ignore);

    store::EseguiSql(m_archive, QStringLiteral("DELETE * FROM Clienti WHERE PCMTV = 'K1'"));

    EXPECT_EQ(keysIn(m_archive, QStringLiteral("Modelli")), QStringList({"K1", "K2"}));
    EXPECT_EQ(holder(m_archive, QStringLiteral("exclusive"))->status(), "open");
}

class CardHeaderTest : public CardArchiveFixture {
protected:
    CardHeaderTest()
    {
        addCardRows(cardArchive(QStringLiteral("A")), QStringLiteral("K1"), 2, 1, QStringLiteral("Autunno"));
        openArchive(QStringLiteral("A"));
    }

    const QString m_archive = path(QStringLiteral("A"));
};

TEST_F(CardHeaderTest, ANewCardGetsTheDefaultHeaderAndNoRows)
{
    EXPECT_FALSE(store::CardExists(QStringLiteral("NEW")));

    store::CreateCardHeader(QStringLiteral("NEW"));

    EXPECT_TRUE(store::CardExists(QStringLiteral("NEW")));
    EXPECT_EQ(headerOf(m_archive, QStringLiteral("NEW")), QStringLiteral("|||42|38,40,42,44,46,48,50,52"));
    EXPECT_EQ(keysIn(m_archive, QStringLiteral("SchedaModello")), QStringList({"K1", "K1"}));
}

TEST_F(CardHeaderTest, AnExistingCardStaysAsItWas)
{
    store::CreateCardHeader(QStringLiteral("K1"));

    EXPECT_EQ(headerOf(m_archive, QStringLiteral("K1")), QStringLiteral("Autunno|Blu notte|Giacca|44|40,42,44,46"));
    EXPECT_EQ(keysIn(m_archive, QStringLiteral("Modelli")), QStringList({"K1"}));
}

struct ReachesCaller {
    const char* name;
    std::function<void()> operation;
    bool lockArchive; // else the current archive is missing
    int error;
};

void PrintTo(const ReachesCaller& operation, std::ostream* out)
{
    *out << operation.name;
}

class CardHeaderErrorTest : public CardHeaderTest, public ::testing::WithParamInterface<ReachesCaller> {};

TEST_P(CardHeaderErrorTest, ErrorsReachTheCallerWithoutADialog)
{
    std::unique_ptr<LockHolder> lock;
    if (GetParam().lockArchive) {
        lock = holder(m_archive, QStringLiteral("exclusive"));
        ASSERT_EQ(lock->status(), "open");
    } else {
        openArchive(QStringLiteral("MISSING"));
    }

    EXPECT_EQ(RUNTIME_ERROR_OF(GetParam().operation()), GetParam().error);
    EXPECT_TRUE(m_seams.prompter.prompts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CardHeaderErrorTest,
    ::testing::Values(
        ReachesCaller{"CardExistsLocked", [] { store::CardExists(QStringLiteral("K1")); }, true, 3045},
        ReachesCaller{"CreateCardHeaderLocked", [] { store::CreateCardHeader(QStringLiteral("K2")); }, true, 3045},
        ReachesCaller{"CardExistsMissing", [] { store::CardExists(QStringLiteral("K1")); }, false, 3024},
        ReachesCaller{"CreateCardHeaderMissing", [] { store::CreateCardHeader(QStringLiteral("K2")); }, false, 3024}),
    [](const ::testing::TestParamInfo<ReachesCaller>& info) { return std::string(info.param.name); });
