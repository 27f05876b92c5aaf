#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/DatabaseFile.h"
#include "platform/RuntimeError.h"
#include "useradmin/configdb/ConfigDatabaseSchema.h"

// Dbrefit create,PATH | convert,PATH: creates an empty card archive (the configuration database
// when PATH names "Tramex Config.mdb"), or compacts one in place.
// PATH is a Windows path, with or without ".mdb". The command line arrives whole, as one
// argument; blanks inside the path split it when it is typed in a shell, so the pieces are joined.
namespace {

const int badArgument = 2;
const int failed = 1;

void report(const QString& message)
{
    std::fprintf(stderr, "Dbrefit: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString argument = application.arguments().mid(1).join(QLatin1Char(' '));
    const qsizetype comma = argument.indexOf(QLatin1Char(','));
    const QString verb = argument.left(comma).trimmed().toLower();
    const QString path = comma < 0 ? QString() : argument.mid(comma + 1).trimmed();
    if (comma < 0 || path.isEmpty() || (verb != QLatin1String("create") && verb != QLatin1String("convert"))) {
        report(QStringLiteral("expected \"create,PATH\" or \"convert,PATH\", got \"%1\".").arg(argument));
        return badArgument;
    }
    try {
        if (verb == QLatin1String("create") && useradmin::ConfigDatabaseSchema::isConfigDatabase(path))
            useradmin::ConfigDatabaseSchema::createEmpty(path);
        else if (verb == QLatin1String("create"))
            store::CardArchiveSchema::createEmpty(path);
        else
            store::DatabaseFile::compact(path);
    } catch (const platform::RuntimeError& error) {
        report(QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.number()));
        return failed;
    }
    return 0;
}
