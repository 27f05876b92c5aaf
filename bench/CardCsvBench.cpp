// Exporting 1,000 cards to card CSV files and importing them back into an empty archive as the
// explorer does: ExportData once per card (its own workspace, the archive opened exclusively and
// read-only, three selects, one file), then ImportData once per file (its own workspace, the
// archive opened shared, the card written in one transaction).
//
// Baseline: one sqlite3 shell running a script in which every card gets its own connection, as
// the engine's operations do: for the export ".open" on the source and the card's rows of the
// three tables written as CSV; for the import ".open" on the target and the three CSV files read
// back with ".import". Both sides write and read the same rows and are checked to have done the
// work. Best of three rounds each, taken in turns.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "bench/SqliteShell.h"
#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardCsvExport.h"
#include "explorer/transfer/CardCsvImport.h"

namespace {

namespace cardSchema = store::cardSchema;

constexpr int cardCount = 1000;
constexpr int rounds = 3;

const QString csvFolder = QStringLiteral("C:\\Tramex\\Csv\\");
const QString shellFolder = QStringLiteral("C:\\Tramex\\Shell\\");

int rowsOf(const QString& archive, QLatin1String table)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, false, true);
    return database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM ") + table).RecordCount();
}

void expectSameRows(const QString& source, const QString& target)
{
    for (const QLatin1String table : cardSchema::CardTables) {
        if (rowsOf(source, table) != rowsOf(target, table))
            throw std::runtime_error("the target does not hold the rows of the source");
    }
}

void emptyArchive(const QString& archive)
{
    QFile::remove(bench::BenchWorkstation::hostPath(archive));
    store::CardArchiveSchema::createEmpty(archive);
}

// Keys are the writer's, free of apostrophes and quotes.
QString writeScript(const QString& name, const QStringList& keys, const std::function<QString(const QString&)>& card)
{
    const QString path = bench::BenchWorkstation::hostPath(shellFolder) + u'/' + name;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    script.write(".mode csv\n");
    for (const QString& key : keys)
        script.write(card(key).toUtf8());
    return path;
}

QString shellFile(const QString& key, QLatin1String table)
{
    return bench::BenchWorkstation::hostPath(shellFolder) + u'/' + key + u'-' + table + QStringLiteral(".csv");
}

int run()
{
    bench::BenchWorkstation workstation;
    const QString source = bench::BenchWorkstation::archive(QStringLiteral("ORIGINE"));
    const QString target = bench::BenchWorkstation::archive(QStringLiteral("DESTINAZIONE"));
    store::CardArchiveSchema::createEmpty(source);
    const QStringList keys =
        demo::SampleCardWriter(QStringLiteral("Autunno-Inverno 2026"), QStringLiteral("AI26"), 7, {5, 25, 1, 6})
            .write(source, cardCount);
    QDir().mkpath(bench::BenchWorkstation::hostPath(QStringLiteral("C:\\Tramex\\")) + QStringLiteral("/Csv"));
    QDir().mkpath(bench::BenchWorkstation::hostPath(QStringLiteral("C:\\Tramex\\")) + QStringLiteral("/Shell"));
    store::explorerState().DatabaseFolder = bench::BenchWorkstation::archiveFolder;

    const QString sourceHost = bench::BenchWorkstation::hostPath(source);
    const QString targetHost = bench::BenchWorkstation::hostPath(target);
    const QString exportScript = writeScript(QStringLiteral("export.sql"), keys, [&](const QString& key) {
        QString card = QStringLiteral(".open --readonly \"%1\"\n").arg(sourceHost);
        for (const QLatin1String table : cardSchema::CardTables)
            card += QStringLiteral(".once \"%1\"\nSELECT * FROM %2 WHERE PCMTV = '%3';\n")
                        .arg(shellFile(key, table), table, key);
        return card;
    });
    const QString importScript = writeScript(QStringLiteral("import.sql"), keys, [&](const QString& key) {
        QString card = QStringLiteral(".open \"%1\"\n").arg(targetHost);
        for (const QLatin1String table : cardSchema::CardTables)
            card += QStringLiteral(".import \"%1\" %2\n").arg(shellFile(key, table), table);
        return card;
    });

    double engineExport = 1e300, engineImport = 1e300, shellExport = 1e300, shellImport = 1e300;
    for (int round = 0; round < rounds; ++round) {
        emptyArchive(target);
        engineExport = std::min(engineExport, bench::millisecondsOf([&] {
                                    for (const QString& key : keys)
                                        transfer::ExportData(csvFolder, QStringLiteral("ORIGINE"), key);
                                }));
        engineImport = std::min(engineImport, bench::millisecondsOf([&] {
                                    for (const QString& key : keys)
                                        transfer::ImportData(csvFolder + key + QStringLiteral(".csv"),
                                                             QStringLiteral("DESTINAZIONE"));
                                }));
        expectSameRows(source, target);

        emptyArchive(target);
        shellExport =
            std::min(shellExport, bench::millisecondsOf([&] { bench::SqliteShell::runScript(exportScript); }));
        shellImport =
            std::min(shellImport, bench::millisecondsOf([&] { bench::SqliteShell::runScript(importScript); }));
        expectSameRows(source, target);
    }

    const bench::Figure exporting{QStringLiteral("CSV export of 1000 cards"), engineExport, shellExport,
                                  QStringLiteral("ms"), 2};
    const bench::Figure importing{QStringLiteral("CSV import of 1000 cards"), engineImport, shellImport,
                                  QStringLiteral("ms"), 2};
    exporting.print();
    importing.print();
    return exporting.met() && importing.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
