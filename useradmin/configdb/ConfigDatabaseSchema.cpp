#include "useradmin/configdb/ConfigDatabaseSchema.h"

#include "explorer/store/engine/DatabaseFile.h"
#include "explorer/store/engine/DatabasePath.h"
#include "platform/WindowsPath.h"
#include "useradmin/configdb/OperatoriColumns.h"

namespace useradmin {

namespace {

const int textLength = 50;

store::ColumnDefinition text(const QString& name)
{
    return {name, store::dbText, textLength};
}

store::ColumnDefinition truth(const QString& name)
{
    return {name, store::dbBoolean, 0};
}

} // namespace

const QString ConfigDatabaseSchema::fileName = QStringLiteral("Tramex Config.mdb");

QList<store::TableDefinition> ConfigDatabaseSchema::tables()
{
    using namespace operatori;
    store::TableDefinition table{
        Table,
        {text(Login), text(Nome), text(Cognome), text(Password), truth(SoloLettura), truth(Stampa)},
        {},
        {Login}};
    for (const QString& right : Rights)
        table.columns.append(truth(right));
    return {table};
}

void ConfigDatabaseSchema::createEmpty(const QString& windowsPath)
{
    store::DatabaseFile::create(windowsPath, tables());
}

bool ConfigDatabaseSchema::isConfigDatabase(const QString& windowsPath)
{
    const QString name = platform::windowsPath::namePart(store::DatabasePath::withDefaultExtension(windowsPath));
    return name.compare(fileName, Qt::CaseInsensitive) == 0;
}

} // namespace useradmin
