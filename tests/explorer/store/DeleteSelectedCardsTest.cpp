#include "explorer/store/DeleteSelectedCards.h"

#include "tests/explorer/store/CardArchiveFixture.h"
#include "tests/support/FakeWindow.h"

using interaction::Answer;
using interaction::Key;

namespace {

const QStringList cardTables{QStringLiteral("Modelli"), QStringLiteral("SchedaModello"),
                             QStringLiteral("SchedaPiazzato")};

} // namespace

class DeleteSelectedCardsTest : public CardArchiveFixture {
protected:
    DeleteSelectedCardsTest()
    {
        cardArchive(QStringLiteral("A"));
        for (const QString& key : m_keys)
            addCardRows(m_archive, key, 2, 1);
        openArchive(QStringLiteral("A"));
    }

    // The card list with the rows of `selected` (indexes into m_keys) selected.
    FakeWindow window(std::initializer_list<int> selected) const
    {
        QList<FakeWindow::Row> rows;
        for (const QString& key : m_keys)
            rows.append({key, false});
        for (int row : selected)
            rows[row].selected = true;
        return FakeWindow(rows);
    }

    // The keys left in each of the card tables (a key once per table it has rows in).
    QStringList cardsLeft(const QString& table) const
    {
        QStringList keys = keysIn(m_archive, table);
        keys.removeDuplicates();
        return keys;
    }

    const QString m_archive = path(QStringLiteral("A"));
    const QStringList m_keys{QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3"), QStringLiteral("K4"),
                             QStringLiteral("K5")};
};

TEST_F(DeleteSelectedCardsTest, DeletesTheSelectedCardsTableByTableInListOrder)
{
    FakeWindow list = window({1, 3});

    store::DeleteSelectedCards(list);

    for (const QString& table : cardTables)
        EXPECT_EQ(cardsLeft(table), QStringList({"K1", "K3", "K5"})) << table.toStdString();
    EXPECT_TRUE(list.selectedKeys().isEmpty());
    EXPECT_EQ(list.log(), QStringList({"place", "visible 1", "value 0", "maximum 5", "maximum 2", "status Cancella: K2",
                                       "value 1", "status Cancella: K4", "value 2", "status ", "visible 0"}));
    EXPECT_EQ(m_seams.events.calls(), 2);
}

TEST_F(DeleteSelectedCardsTest, EscStopsBeforeTheNextCardAndLeavesTheRestUntouched)
{
    FakeWindow list = window({0, 1, 2, 3, 4});
    m_seams.keys.pressAtQuery(Key::Escape, 3);

    store::DeleteSelectedCards(list);

    for (const QString& table : cardTables)
        EXPECT_EQ(cardsLeft(table), QStringList({"K3", "K4", "K5"})) << table.toStdString();
    EXPECT_EQ(list.selectedKeys(), QStringList({"K3", "K4", "K5"}));
    EXPECT_EQ(list.log().mid(5), QStringList({"status Cancella: K1", "value 1", "status Cancella: K2", "value 2",
                                              "status Cancella: K3", "status ", "visible 0"}));
    EXPECT_FALSE(list.progressBarVisible());
}

TEST_F(DeleteSelectedCardsTest, NothingSelectedShowsAndHidesTheProgressBarAndChangesNothing)
{
    FakeWindow list = window({});

    store::DeleteSelectedCards(list);

    EXPECT_EQ(list.log(),
              QStringList({"place", "visible 1", "value 0", "maximum 5", "refused maximum 0", "status ", "visible 0"}));
    for (const QString& table : cardTables)
        EXPECT_EQ(cardsLeft(table), m_keys) << table.toStdString();
    EXPECT_EQ(m_seams.keys.queries(Key::Escape), 0);
}

TEST_F(DeleteSelectedCardsTest, AFailingStatementShowsEseguiSqlsDialogAndTheDeletionGoesOn)
{
    const auto lock = holder(m_archive, QStringLiteral("exclusive"));
    ASSERT_EQ(lock->status(), "open");
    for (int statement = 0; statement < 3; ++statement)
        m_seams.prompter.expectMessage(interaction::TextMatcher::matches(QRegularExpression(
                                           QStringLiteral("^Errore numero : 3045\r.*Durante EseguiSql\r\r$"),
                                           QRegularExpression::DotMatchesEverythingOption)),
                                       Answer::Abort);
    FakeWindow list = window({0});

    store::DeleteSelectedCards(list);

    lock->kill();
    for (const QString& table : cardTables)
        EXPECT_EQ(cardsLeft(table), m_keys) << table.toStdString();
    EXPECT_TRUE(list.selectedKeys().isEmpty());
    EXPECT_EQ(list.log().last(), QStringLiteral("visible 0"));
}
