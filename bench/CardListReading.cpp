#include "bench/CardListReading.h"

#include <array>
#include <vector>

#include "bench/SqliteFloor.h"
#include "explorer/store/engine/Engine.h"

namespace bench {

namespace {

using CardHeader = std::array<QString, 6>;

} // namespace

std::size_t readCardList(const QString& archive)
{
    static const std::array<QString, 6> headerFields{QStringLiteral("PCMTV"),        QStringLiteral("DescCollezione"),
                                                     QStringLiteral("DescVariante"), QStringLiteral("DescCapo"),
                                                     QStringLiteral("TagliaBase"),   QStringLiteral("GammaTaglie")};

    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, true, false);
    store::Recordset rows = database.OpenRecordset(QStringLiteral("Select * from Modelli;"));
    std::vector<CardHeader> list;
    if (!rows.Eof()) {
        rows.MoveLast();
        list.reserve(std::size_t(rows.RecordCount()));
        rows.MoveFirst();
        for (; !rows.Eof(); rows.MoveNext()) {
            CardHeader& row = list.emplace_back();
            for (std::size_t field = 0; field < headerFields.size(); ++field)
                row[field] = rows.Fields(headerFields[field]).Value().toString();
        }
    }
    rows.Close();
    database.Close();
    workspace.Close();
    return list.size();
}

std::size_t readCardListWithSqlite(const QString& hostPath)
{
    SqliteFloor floor(hostPath);
    FloorStatement rows(floor,
                        "SELECT PCMTV, DescCollezione, DescVariante, DescCapo, TagliaBase, GammaTaglie FROM Modelli");
    std::vector<CardHeader> list;
    while (rows.step()) {
        CardHeader& row = list.emplace_back();
        for (std::size_t field = 0; field < row.size(); ++field)
            row[field] = rows.columnText(int(field));
    }
    return list.size();
}

} // namespace bench
