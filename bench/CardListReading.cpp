#include "bench/CardListReading.h"

#include <array>
#include <vector>

#include "explorer/store/engine/Engine.h"

namespace bench {

std::size_t readCardList(const QString& archive)
{
    static const std::array<QString, 6> headerFields{QStringLiteral("PCMTV"),        QStringLiteral("DescCollezione"),
                                                     QStringLiteral("DescVariante"), QStringLiteral("DescCapo"),
                                                     QStringLiteral("TagliaBase"),   QStringLiteral("GammaTaglie")};

    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, true, false);
    store::Recordset rows = database.OpenRecordset(QStringLiteral("Select * from Modelli;"));
    std::vector<std::array<QString, 6>> list;
    if (!rows.Eof()) {
        rows.MoveLast();
        list.reserve(std::size_t(rows.RecordCount()));
        rows.MoveFirst();
        for (; !rows.Eof(); rows.MoveNext()) {
            std::array<QString, 6>& row = list.emplace_back();
            for (std::size_t field = 0; field < headerFields.size(); ++field)
                row[field] = rows.Fields(headerFields[field]).Value().toString();
        }
    }
    rows.Close();
    database.Close();
    workspace.Close();
    return list.size();
}

} // namespace bench
