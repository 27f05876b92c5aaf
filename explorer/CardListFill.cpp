#include "explorer/CardListFill.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

#include "explorer/CardListItem.h"
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

void fillCardList(QTreeWidget& list, const QString& archivePath, const QIcon& cardIcon, const QString& procedureName,
                  CardOrder order)
{
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    const auto closeAll = [&] {
        interaction::SkipFailingSteps closing;
        closing.step([&] { rows.Close(); });
        closing.step([&] { database.Close(); });
        closing.step([&] { workspace.Close(); });
    };
    QList<QTreeWidgetItem*> items;
    QStringList keys;
    // Rows read before the user left through the error dialog stay listed.
    const auto listItems = [&] {
        if (order == CardOrder::ByKey) {
            std::vector<qsizetype> positions(std::size_t(items.size()));
            std::iota(positions.begin(), positions.end(), 0);
            // The list's own order: the texts compared case-sensitively, equal keys as they came.
            std::stable_sort(positions.begin(), positions.end(),
                             [&](qsizetype left, qsizetype right) { return keys[left] < keys[right]; });
            QList<QTreeWidgetItem*> sorted;
            sorted.reserve(items.size());
            for (const qsizetype position : positions)
                sorted.append(items[position]);
            items.swap(sorted);
        }
        list.addTopLevelItems(items);
        items.clear();
        keys.clear();
    };
    interaction::TrapAndAsk procedure(procedureName);
    procedure.onAbort([&] {
        listItems();
        closeAll();
    });

    if (!procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }))
        return;
    if (!procedure.step([&] { database = workspace.OpenDatabase(archivePath, true, false); }))
        return;
    if (!procedure.step([&] { rows = database.OpenRecordset(QStringLiteral("Select * from Modelli;")); }))
        return;
    bool empty = true;
    if (!procedure.step([&] { empty = rows.Eof(); }))
        return;
    if (empty) {
        closeAll();
        return;
    }
    int count = 0;
    if (!procedure.step([&] { rows.MoveLast(); }) || !procedure.step([&] { count = rows.RecordCount(); }) ||
        !procedure.step([&] { rows.MoveFirst(); }))
        return;
    std::vector<store::Field> fields;
    for (const QLatin1String column : cardColumns) {
        if (!procedure.step([&] { fields.push_back(rows.Fields(column)); }))
            return;
    }
    if (fields.size() != cardColumns.size()) {
        closeAll();
        return;
    }

    items.reserve(std::max(count, 0));
    keys.reserve(std::max(count, 0));
    for (;;) {
        bool atEnd = true;
        bool read = false;
        if (!procedure.step([&] {
                atEnd = rows.Eof();
                read = true;
            }))
            return;
        if (!read || atEnd)
            break;
        if (!procedure.step([&] {
                std::array<QString, CardListItem::textCount> texts;
                for (std::size_t column = 0; column < texts.size(); ++column)
                    texts[column] = cellText(fields[column]);
                keys.append(texts[0]);
                items.append(new CardListItem(std::move(texts), cardIcon));
            }))
            return;
        bool moved = false;
        if (!procedure.step([&] {
                rows.MoveNext();
                moved = true;
            }))
            return;
        if (!moved)
            break;
    }
    listItems();
    closeAll();
}

} // namespace explorer
