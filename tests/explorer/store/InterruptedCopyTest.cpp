#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <sqlite3.h>

#include "demo/SampleCardWriter.h"
#include "tests/explorer/store/CardArchiveFixture.h"
#include "tests/support/ProcessOutput.h"

namespace {

constexpr int piecesPerCard = 20;
constexpr int markersPerCard = 8;

// Every key of the archive's card tables with "headers|pieces|markers", read with SQLite itself,
// which first rolls back what a killed writer left in its journal.
QStringList cardShapes(const QString& hostPath)
{
    sqlite3* database = nullptr;
    sqlite3_open_v2(hostPath.toUtf8().constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(database,
                       "SELECT k, (SELECT count(*) FROM Modelli WHERE PCMTV = k),"
                       " (SELECT count(*) FROM SchedaModello WHERE PCMTV = k),"
                       " (SELECT count(*) FROM SchedaPiazzato WHERE PCMTV = k)"
                       " FROM (SELECT PCMTV AS k FROM Modelli UNION SELECT PCMTV FROM SchedaModello"
                       " UNION SELECT PCMTV FROM SchedaPiazzato) ORDER BY k",
                       -1, &statement, nullptr);
    QStringList shapes;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        shapes.append(QStringLiteral("%1 %2|%3|%4")
                          .arg(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))))
                          .arg(sqlite3_column_int(statement, 1))
                          .arg(sqlite3_column_int(statement, 2))
                          .arg(sqlite3_column_int(statement, 3)));
    }
    sqlite3_finalize(statement);
    sqlite3_close(database);
    return shapes;
}

} // namespace

class InterruptedCopyTest : public CardArchiveFixture {};

// The helper copies card by card as the transfers do; killed at random moments, it leaves every
// card of the target whole or absent, and both files sound.
TEST_F(InterruptedCopyTest, ACopyKilledAtAnyMomentLeavesEveryCardWholeOrAbsent)
{
    const QString source = cardArchive(QStringLiteral("A"));
    const QStringList keys = demo::SampleCardWriter(QStringLiteral("Primavera-Estate 2026"), QStringLiteral("PE26"), 7,
                                                    {piecesPerCard, piecesPerCard, markersPerCard, markersPerCard})
                                 .write(source, 400);
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE(seed);

    int cutMidway = 0;
    for (int run = 1; run <= 20; ++run) {
        const QString target = cardArchive(QStringLiteral("B%1").arg(run));
        QProcess copy;
        copy.start(TestWorkstation::builtProgram(QStringLiteral("cardstore_copy_helper")), {root(), source, target});
        ASSERT_TRUE(copy.waitForStarted());
        QByteArray output = readOutputUntil(copy, "copied 1\n");
        QThread::usleep(random.bounded(100000));
        copy.kill();
        ASSERT_TRUE(copy.waitForFinished());
        output += copy.readAllStandardOutput();
        const int reported = int(output.count("copied "));

        const QStringList shapes = cardShapes(hostPath(target));
        QStringList whole;
        for (qsizetype card = 0; card < shapes.size(); ++card)
            whole.append(keys.at(card) + QStringLiteral(" 1|%1|%2").arg(piecesPerCard).arg(markersPerCard));
        QStringList expected = whole;
        expected.sort();
        EXPECT_EQ(shapes, expected) << "run " << run;
        EXPECT_GE(shapes.size(), reported) << "run " << run;
        EXPECT_LE(shapes.size(), reported + 1) << "run " << run;
        EXPECT_EQ(integrityOf(target), QStringLiteral("ok")) << "run " << run;
        if (shapes.size() < keys.size())
            ++cutMidway;
    }
    EXPECT_GT(cutMidway, 0);
    EXPECT_EQ(integrityOf(source), QStringLiteral("ok"));
    EXPECT_EQ(cardShapes(hostPath(source)).size(), keys.size());
}
