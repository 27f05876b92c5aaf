#include "explorer/store/engine/TranslatedStatements.h"

#include <functional>

#include <gtest/gtest.h>

#include "explorer/store/engine/SqlDialect.h"
#include "platform/RuntimeError.h"

using store::SqlDialect;
using store::TranslatedStatement;
using store::TranslatedStatements;

namespace {

// A statement, and one of the same shape with other values in its texts.
struct ShapeCase {
    const char* statement;
    const char* sameShape;
};

void PrintTo(const ShapeCase& c, std::ostream* out)
{
    *out << c.statement;
}

// The translation, or the error's number and description when it is refused.
struct Outcome {
    TranslatedStatement translated;
    int error = 0;
    QString description;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out)
{
    *out << outcome.translated.sql.toStdString() << " [" << outcome.translated.parameters.join(u'|').toStdString()
         << "] " << outcome.translated.targetFile.toStdString() << " error " << outcome.error << ' '
         << outcome.description.toStdString();
}

Outcome outcomeOf(const std::function<TranslatedStatement()>& translate)
{
    try {
        return {translate(), 0, {}};
    } catch (const platform::RuntimeError& error) {
        return {{}, error.number(), error.description()};
    }
}

class TranslatedStatementsTest : public ::testing::TestWithParam<ShapeCase> {};

// Each statement is translated as the dialect translates it, the first time of its shape and
// every time after, with its own values; what the dialect refuses is refused alike.
TEST_P(TranslatedStatementsTest, TranslateAsTheDialectDoesTimeAfterTime)
{
    TranslatedStatements& remembered = TranslatedStatements::instance();
    for (const char* utf8 : {GetParam().statement, GetParam().sameShape, GetParam().statement}) {
        const QString text = QString::fromUtf8(utf8);
        EXPECT_EQ(outcomeOf([&] { return remembered.statement(text); }),
                  outcomeOf([&] { return SqlDialect::translateStatement(text); }))
            << utf8;
        EXPECT_EQ(outcomeOf([&] { return remembered.select(text); }),
                  outcomeOf([&] { return SqlDialect::translateSelect(text); }))
            << utf8;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, TranslatedStatementsTest,
    ::testing::Values(
        ShapeCase{"DELETE * FROM Modelli WHERE PCMTV = 'A1'", "DELETE * FROM Modelli WHERE PCMTV = 'B''2'"},
        ShapeCase{"DELETE * FROM SchedaModello WHERE PCMTV = \"A1\"", "DELETE * FROM SchedaModello WHERE PCMTV = \"\""},
        ShapeCase{
            "INSERT INTO  Modelli IN \"C:\\Tramex\\Schede\\UOMO.mdb\" SELECT * FROM Modelli WHERE PCMTV = 'A1'",
            "INSERT INTO  Modelli IN \"C:\\Tramex\\Schede\\it's.mdb\" SELECT * FROM Modelli WHERE PCMTV = 'x\"y'"},
        ShapeCase{"SELECT TOP 3 [PCMTV], `Desc'Capo` FROM [Mod'elli] WHERE PCMTV LIKE 'A*' & '#'",
                  "SELECT TOP 3 [PCMTV], `Desc'Capo` FROM [Mod'elli] WHERE PCMTV LIKE '[' & ']'"},
        ShapeCase{"SELECT * FROM Modelli WHERE Data > #1/2/2020# AND PCMTV <> ''",
                  "SELECT * FROM Modelli WHERE Data > #1/2/2020# AND PCMTV <> '#3/4/2021#'"},
        ShapeCase{"UPDATE Modelli SET DescCapo = 'Gonna' & ' ' & PCMTV WHERE PCMTV IN ('A1', 'B1')",
                  "UPDATE Modelli SET DescCapo = 'x' & 'y' & PCMTV WHERE PCMTV IN ('\0010', '\0011')"},
        ShapeCase{"DELETE * FROM Modelli WHERE PCMTV IN ('A'\"B\", 'C')",
                  "DELETE * FROM Modelli WHERE PCMTV IN (''''\"\"\"\", '')"},
        ShapeCase{"Modelli", "SchedaModello"},
        ShapeCase{"SELECT * FROM Modelli WHERE PCMTV = 'A1", "SELECT * FROM Modelli WHERE PCMTV = 'A2"},
        ShapeCase{"SELECT * FROM [Modelli WHERE PCMTV = 'A1'", "SELECT * FROM Modelli WHERE PCMTV = #1/2/2020"},
        ShapeCase{"SELEC * FROM Modelli WHERE PCMTV = 'A1'", "SELEC * FROM Modelli WHERE PCMTV = 'A2'"},
        ShapeCase{"DELETE * FROM Modelli WHERE PCMTV = 'A1'; DELETE * FROM Modelli",
                  "DELETE * FROM Modelli WHERE PCMTV = ';'; DELETE * FROM Modelli"},
        ShapeCase{"SELECT * FROM Modelli WHERE Data = #32/13/2001# AND PCMTV = 'A1'",
                  "SELECT * FROM Modelli WHERE Data = #32/13/2001# AND PCMTV = 'A2'"}));

TEST(TranslatedStatementsBoundTest, ShapesPastTheBoundAreTranslatedAfresh)
{
    TranslatedStatements& remembered = TranslatedStatements::instance();
    for (std::size_t round = 0; round < 2; ++round) {
        for (std::size_t shape = 0; shape <= TranslatedStatements::bound; ++shape) {
            const QString text =
                QStringLiteral("DELETE * FROM T%1 WHERE K = '%2'").arg(shape).arg(round == 0 ? "a" : "b");
            EXPECT_EQ(remembered.statement(text), SqlDialect::translateStatement(text)) << text.toStdString();
        }
    }
}

} // namespace
