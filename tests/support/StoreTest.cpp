#include "tests/support/StoreTest.h"

#include <utility>

using automation::Variant;

StoreTest::StoreTest() : StoreTest(std::make_unique<TestWorkstation>()) {}

StoreTest::StoreTest(std::unique_ptr<TestWorkstation> station) : m_station(std::move(station))
{
    TestWorkstation::makeFolder(folder);
}

void StoreTest::addCard(const QString& archivePath, const QString& key, int pieces)
{
    store::Workspace session = workspace();
    store::Database database = session.OpenDatabase(archivePath);
    session.BeginTrans();
    store::Recordset header = database.OpenRecordset(QStringLiteral("Modelli"));
    header.AddNew();
    header.Fields(QStringLiteral("PCMTV")).SetValue(key);
    header.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("Giacca ") + key);
    header.Update();
    store::Recordset rows = database.OpenRecordset(QStringLiteral("SchedaModello"));
    for (int row = 1; row <= pieces; ++row) {
        rows.AddNew();
        rows.Fields(QStringLiteral("PCMTV")).SetValue(key);
        rows.Fields(QStringLiteral("NumeroRiga")).SetValue(Variant::fromLong(row));
        rows.Fields(QStringLiteral("SPN")).SetValue(QStringLiteral("%1-%2").arg(key).arg(row));
        rows.Fields(QStringLiteral("Digit")).SetValue(Variant::fromLong(row));
        rows.Update();
    }
    session.CommitTrans();
    session.Close();
}
