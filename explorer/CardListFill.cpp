#include "explorer/CardListFill.h"

#include <algorithm>
#include <array>
#include <vector>

#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"

namespace explorer {

namespace {

const std::array<QLatin1String, 6> cardColumns{
    QLatin1String("PCMTV"),    QLatin1String("DescCollezione"), QLatin1String("DescVariante"),
    QLatin1String("DescCapo"), QLatin1String("TagliaBase"),     QLatin1String("GammaTaglie"),
};

QString cellText(const store::Field& field)
{
    const automation::Variant value = field.Value();
    return value.isNull() ? QString() : value.toString();
}

} // namespace

CardRows readCardRows(const QString& archivePath, const QString& procedureName)
{
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    const auto closeAll = [&] {
        interaction::SkipFailingSteps closing;
        closing.step([&] { rows.Close(); });
        closing.step([&] { database.Close(); });
        closing.step([&] { workspace.Close(); });
    };
    CardRows cards;
    interaction::TrapAndAsk procedure(procedureName);
    procedure.onAbort(closeAll);

    if (!procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }))
        return cards;
    if (!procedure.step([&] { database = workspace.OpenDatabase(archivePath, true, false); }))
        return cards;
    if (!procedure.step([&] { rows = database.OpenRecordset(QStringLiteral("Select * from Modelli;")); }))
        return cards;
    bool empty = true;
    if (!procedure.step([&] { empty = rows.Eof(); }))
        return cards;
    if (empty) {
        closeAll();
        return cards;
    }
    int count = 0;
    if (!procedure.step([&] { rows.MoveLast(); }) || !procedure.step([&] { count = rows.RecordCount(); }) ||
        !procedure.step([&] { rows.MoveFirst(); }))
        return cards;
    std::vector<store::Field> fields;
    for (const QLatin1String column : cardColumns) {
        if (!procedure.step([&] { fields.push_back(rows.Fields(column)); }))
            return cards;
    }
    if (fields.size() != cardColumns.size()) {
        closeAll();
        return cards;
    }

    cards.reserve(std::max(count, 0));
    CardRows::Texts texts;
    for (;;) {
        bool atEnd = true;
        bool read = false;
        if (!procedure.step([&] {
                atEnd = rows.Eof();
                read = true;
            }))
            return cards;
        if (!read || atEnd)
            break;
        if (!procedure.step([&] {
                for (std::size_t column = 0; column < texts.size(); ++column)
                    texts[column] = cellText(fields[column]);
                cards.append(texts);
            }))
            return cards;
        bool moved = false;
        if (!procedure.step([&] {
                rows.MoveNext();
                moved = true;
            }))
            return cards;
        if (!moved)
            break;
    }
    closeAll();
    return cards;
}

} // namespace explorer
