#include "tests/explorer/store/CardArchiveFixture.h"

#include "automation/Variant.h"
#include "explorer/store/engine/Engine.h"

using automation::Variant;

interaction::Answer PromptHook::message(const interaction::MessageBox& box)
{
    const auto action = m_actions.find(++m_messages);
    if (action != m_actions.end())
        action->second();
    return m_inner.message(box);
}

CardArchiveFixture::CardArchiveFixture() : m_savedState(store::explorerState())
{
    m_seams.installation.setPrompter(m_hook);
    store::explorerState().DatabaseFolder = folder;
    store::explorerState().CurrentArchive.clear();
}

CardArchiveFixture::~CardArchiveFixture()
{
    store::explorerState() = m_savedState;
}

void CardArchiveFixture::addCardRows(const QString& archivePath, const QString& key, int pieces, int markers,
                                     const QString& collection)
{
    store::Workspace session = workspace();
    store::Database database = session.OpenDatabase(archivePath);
    store::Recordset header = database.OpenRecordset(QStringLiteral("Modelli"));
    header.AddNew();
    header.Fields(QStringLiteral("PCMTV")).SetValue(Variant(key));
    header.Fields(QStringLiteral("DescCollezione")).SetValue(Variant(collection));
    header.Fields(QStringLiteral("DescVariante")).SetValue(Variant(QStringLiteral("Blu notte")));
    header.Fields(QStringLiteral("DescCapo")).SetValue(Variant(QStringLiteral("Giacca")));
    header.Fields(QStringLiteral("TagliaBase")).SetValue(Variant(QStringLiteral("44")));
    header.Fields(QStringLiteral("GammaTaglie")).SetValue(Variant(QStringLiteral("40,42,44,46")));
    header.Update();
    store::Recordset pieceRows = database.OpenRecordset(QStringLiteral("SchedaModello"));
    for (int row = 1; row <= pieces; ++row) {
        pieceRows.AddNew();
        pieceRows.Fields(QStringLiteral("PCMTV")).SetValue(Variant(key));
        pieceRows.Fields(QStringLiteral("NumeroRiga")).SetValue(Variant::fromLong(row));
        pieceRows.Fields(QStringLiteral("Descrizione")).SetValue(Variant(QStringLiteral("Davanti")));
        pieceRows.Update();
    }
    store::Recordset markerRows = database.OpenRecordset(QStringLiteral("SchedaPiazzato"));
    for (int row = 1; row <= markers; ++row) {
        markerRows.AddNew();
        markerRows.Fields(QStringLiteral("PCMTV")).SetValue(Variant(key));
        markerRows.Fields(QStringLiteral("NumeroRiga")).SetValue(Variant::fromLong(row));
        markerRows.Fields(QStringLiteral("Tessuto")).SetValue(Variant(QStringLiteral("Lana fredda")));
        markerRows.Update();
    }
}

QStringList CardArchiveFixture::keysIn(const QString& archivePath, const QString& table)
{
    QStringList keys = values(archivePath, QStringLiteral("SELECT PCMTV FROM ") + table);
    keys.sort();
    return keys;
}

QString CardArchiveFixture::headerOf(const QString& archivePath, const QString& key)
{
    store::Workspace session = workspace();
    store::Database database = session.OpenDatabase(archivePath, false, true);
    store::Recordset rows = database.OpenRecordset(QStringLiteral("Modelli"));
    for (; !rows.Eof(); rows.MoveNext()) {
        if (rows.Fields(QStringLiteral("PCMTV")).Value().toString() != key)
            continue;
        QStringList values;
        for (const char* field : {"DescCollezione", "DescVariante", "DescCapo", "TagliaBase", "GammaTaglie"})
            values.append(rows.Fields(QString::fromLatin1(field)).Value().toString());
        return values.join(QLatin1Char('|'));
    }
    return QString();
}
