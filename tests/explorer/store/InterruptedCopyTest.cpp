#include "demo/SampleCardWriter.h"
#include "explorer/store/engine/Engine.h"
#include "tests/explorer/store/CardArchiveFixture.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace {

// The rows of `table` after the engine has opened the file for writing, which rolls back what a
// killed writer left half done.
int rowsAfterRecovery(const QString& path, const QString& table)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(path);
    return database.OpenRecordset(table).RecordCount();
}

} // namespace

class InterruptedCopyTest : public CardArchiveFixture {};

TEST_F(InterruptedCopyTest, AKilledCopyLeavesBothArchivesSound)
{
    const QString source = cardArchive(QStringLiteral("A"));
    const QString target = cardArchive(QStringLiteral("B"));
    demo::SampleCardWriter(QStringLiteral("Primavera-Estate 2026"), QStringLiteral("PE26"), 7, {20, 20, 8, 8})
        .write(source, 1000);

    QProcess copy;
    copy.start(TestWorkstation::builtProgram(QStringLiteral("cardstore_copy_helper")), {root(), source, target});
    ASSERT_TRUE(copy.waitForStarted());
    QByteArray output;
    const QDeadlineTimer deadline(60000);
    while (!output.contains("copied 150\n") && copy.state() == QProcess::Running && !deadline.hasExpired()) {
        copy.waitForReadyRead(1000);
        output += copy.readAllStandardOutput();
    }
    ASSERT_EQ(copy.state(), QProcess::Running) << output.right(200).toStdString();
    copy.kill();
    ASSERT_TRUE(copy.waitForFinished());
    EXPECT_EQ(copy.exitStatus(), QProcess::CrashExit);
    output += copy.readAllStandardOutput();
    const int reported = int(output.count("copied "));
    ASSERT_LT(reported, 1000);

    // Each statement is all or nothing: whole cards, and at most the last one partly copied.
    const int headers = rowsAfterRecovery(target, QStringLiteral("Modelli"));
    const int pieces = rowsAfterRecovery(target, QStringLiteral("SchedaModello"));
    const int markers = rowsAfterRecovery(target, QStringLiteral("SchedaPiazzato"));
    EXPECT_GE(headers, reported);
    EXPECT_LE(headers, reported + 1);
    EXPECT_EQ(pieces % 20, 0);
    EXPECT_EQ(markers % 8, 0);
    EXPECT_GE(markers / 8, reported);
    EXPECT_LE(markers / 8, pieces / 20);
    EXPECT_LE(pieces / 20, headers);
    EXPECT_EQ(rowsAfterRecovery(source, QStringLiteral("Modelli")), 1000);
    EXPECT_EQ(integrityOf(source), QStringLiteral("ok"));
    EXPECT_EQ(integrityOf(target), QStringLiteral("ok"));
}
