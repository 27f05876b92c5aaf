#include "demo/SampleArchives.h"

#include <map>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/Engine.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace {

const QString folder = QStringLiteral("C:\\Tramex\\Schede\\");

// Every row of a table, its columns joined by "|", in the archive's order.
QStringList rowsOf(const QString& archive, const QString& table)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, false, true);
    store::Recordset rows = database.OpenRecordset(table);
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext()) {
        QStringList values;
        for (int column = 0; column < rows.FieldCount(); ++column)
            values.append(rows.Fields(column).Value().displayText());
        result.append(values.join(QLatin1Char('|')));
    }
    return result;
}

// How many rows of the table each card has.
std::map<QString, int> rowsPerCard(const QString& archive, const QString& table)
{
    std::map<QString, int> counts;
    for (const QString& row : rowsOf(archive, table))
        ++counts[row.section(QLatin1Char('|'), 0, 0)];
    return counts;
}

class SampleArchivesTest : public ::testing::Test {
protected:
    SampleArchivesTest()
    {
        platform::Workstation::layOutDefault(m_root.path());
        platform::Workstation::use(m_root.path());
        QDir().mkpath(platform::windowsPath::toHost(folder));
    }

    QTemporaryDir m_root;
};

} // namespace

TEST_F(SampleArchivesTest, MakesTheMissingArchivesWithCardsOfTheirShapeAndKeepsExistingOnes)
{
    demo::SampleArchives::layOut(folder);

    const std::map<QString, int> cards{{QStringLiteral("PRIMAVERA2026"), 40},
                                       {QStringLiteral("AUTUNNO2025"), 35},
                                       {QStringLiteral("UOMO"), 25},
                                       {QStringLiteral("ARCHIVIOGRANDE"), 6000}};
    for (const auto& [name, count] : cards) {
        const QString archive = folder + name + QStringLiteral(".mdb");
        ASSERT_EQ(rowsOf(archive, QStringLiteral("Modelli")).size(), count) << name.toStdString();
        const auto pieces = rowsPerCard(archive, QStringLiteral("SchedaModello"));
        const auto markers = rowsPerCard(archive, QStringLiteral("SchedaPiazzato"));
        EXPECT_EQ(int(pieces.size()), count);
        EXPECT_EQ(int(markers.size()), count);
        for (const auto& [key, rows] : pieces)
            EXPECT_TRUE(rows >= 5 && rows <= 25) << key.toStdString() << " has " << rows << " pieces";
        for (const auto& [key, rows] : markers)
            EXPECT_TRUE(rows >= 1 && rows <= 6) << key.toStdString() << " has " << rows << " markers";
    }
    EXPECT_EQ(QDir(platform::windowsPath::toHost(folder)).entryList(QDir::Files).size(), 4);

    const QString uomo = folder + QStringLiteral("UOMO.mdb");
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    workspace.OpenDatabase(uomo).Execute(QStringLiteral("DELETE * FROM Modelli"));
    workspace.Close();
    demo::SampleArchives::layOut(folder);
    EXPECT_TRUE(rowsOf(uomo, QStringLiteral("Modelli")).isEmpty());
}

TEST_F(SampleArchivesTest, TheSameSeedWritesTheSameCards)
{
    const demo::SampleCardWriter::Shape shape{20, 20, 8, 8};
    for (const char* name : {"ONE", "TWO"}) {
        const QString archive = folder + QString::fromLatin1(name);
        store::CardArchiveSchema::createEmpty(archive);
        demo::SampleCardWriter(QStringLiteral("Uomo"), QStringLiteral("U"), 11, shape).write(archive, 30);
    }

    const std::map<QString, int> rowsWritten{{QStringLiteral("Modelli"), 30},
                                             {QStringLiteral("SchedaModello"), 600},
                                             {QStringLiteral("SchedaPiazzato"), 240}};
    for (const auto& [table, count] : rowsWritten) {
        const QStringList rows = rowsOf(folder + QStringLiteral("ONE"), table);
        EXPECT_EQ(rows.size(), count) << table.toStdString();
        EXPECT_EQ(rows, rowsOf(folder + QStringLiteral("TWO"), table)) << table.toStdString();
    }
}
