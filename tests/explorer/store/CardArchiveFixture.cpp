#include "tests/explorer/store/CardArchiveFixture.h"

#include "automation/Variant.h"
#include "explorer/store/engine/Engine.h"

using automation::Variant;

CardArchiveFixture::CardArchiveFixture()
    : StoreTest(std::make_unique<ExplorerWorkstation>(&ScriptedSeams::failGoogleTest)),
      m_seams(static_cast<ExplorerWorkstation&>(*m_station)), m_hook(m_seams.hook)
{
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
