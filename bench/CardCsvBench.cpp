// Exporting 10,000 cards to card CSV files in an empty folder, then 1,000 cards of another archive
// into the same folder, now holding 10,000 files, and importing 1,000 of the first back
// into an empty archive as the explorer does: ExportData once per card (its own workspace, the
// archive opened exclusively and read-only, three selects, one file), then ImportData once per
// file (its own workspace, the archive opened shared, the card written in one transaction).
//
// Floor: SQLite in this process over a connection it keeps, and plain file calls. For the export,
// the card's rows of the three tables read with the same selects, then the same bytes the export
// wrote put in a new file of the same name, unsynced as the export's are. For the import, the
// file read, then the card's rows inserted in one transaction of the target. Both sides are
// checked to have done the work. Rounds taken in turns, in processor time; the syncs per card
// are counted on both sides.
#include <cstdio>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <list>
#include <map>
#include <stdexcept>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "bench/SqliteFloor.h"
#include "bench/SyncCount.h"
#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardCsvExport.h"
#include "explorer/transfer/CardCsvImport.h"

namespace {

namespace cardSchema = store::cardSchema;

constexpr int exportedCards = 10000;
constexpr int importedCards = 1000;
constexpr int rounds = 3;

const QString csvFolder = QStringLiteral("C:\\Tramex\\Csv\\");
const QString floorFolder = QStringLiteral("C:\\Tramex\\Floor\\");

int rowsOf(const QString& archive, QLatin1String table)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, false, true);
    return database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM ") + table).RecordCount();
}

void expectRows(const QString& archive, const std::map<QLatin1String, int>& rows)
{
    for (const auto& [table, count] : rows) {
        if (rowsOf(archive, table) != count)
            throw std::runtime_error("the target does not hold the rows it should");
    }
}

void emptyArchive(const QString& archive)
{
    QFile::remove(bench::BenchWorkstation::hostPath(archive));
    store::CardArchiveSchema::createEmpty(archive);
}

QString hostFolder(const QString& windowsFolder)
{
    return bench::BenchWorkstation::hostPath(windowsFolder) + u'/';
}

void emptyFolder(const QString& windowsFolder)
{
    QDir folder(hostFolder(windowsFolder));
    folder.removeRecursively();
    QDir().mkpath(folder.path());
}

std::vector<QByteArray> filesOf(const QString& windowsFolder, const QStringList& keys)
{
    std::vector<QByteArray> files;
    for (const QString& key : keys) {
        QFile file(hostFolder(windowsFolder) + key + QStringLiteral(".csv"));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("a card was not exported");
        files.push_back(file.readAll());
    }
    return files;
}

void writeFile(const QByteArray& path, const QByteArray& bytes)
{
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0 || ::write(descriptor, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        throw std::runtime_error("the floor cannot write a file");
    ::close(descriptor);
}

QByteArray readFile(const QByteArray& path)
{
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw std::runtime_error("the floor cannot read a file");
    QByteArray bytes;
    char buffer[65536];
    for (ssize_t length; (length = ::read(descriptor, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, length);
    ::close(descriptor);
    return bytes;
}

void exportWithFloor(const QString& sourceHost, const QStringList& keys, const std::vector<QByteArray>& files)
{
    bench::SqliteFloor floor(sourceHost);
    std::list<bench::FloorStatement> selects;
    for (const QLatin1String table : cardSchema::CardTables)
        selects.emplace_back(floor, "SELECT * FROM " + QByteArray(table.data()) + " WHERE PCMTV = ?");
    const QString folder = hostFolder(floorFolder);
    for (qsizetype card = 0; card < keys.size(); ++card) {
        const QByteArray key = keys[card].toUtf8();
        for (bench::FloorStatement& select : selects) {
            select.bindText(1, key);
            while (select.step()) {
                for (int column = 0; column < select.columnCount(); ++column)
                    select.columnText(column);
            }
        }
        writeFile(QFile::encodeName(folder + keys[card] + QStringLiteral(".csv")), files[std::size_t(card)]);
    }
}

// The rows of each card, as SQLite values, for the floor's import.
class CardRows {
public:
    CardRows(const QString& sourceHost, const QStringList& keys)
    {
        bench::SqliteFloor floor(sourceHost);
        for (const QLatin1String table : cardSchema::CardTables) {
            bench::FloorStatement select(floor, "SELECT * FROM " + QByteArray(table.data()) + " WHERE PCMTV = ?");
            for (const QString& key : keys) {
                select.bindText(1, key.toUtf8());
                std::vector<std::vector<sqlite3_value*>>& rows = m_rows[table][key];
                while (select.step()) {
                    std::vector<sqlite3_value*>& row = rows.emplace_back();
                    for (int column = 0; column < select.columnCount(); ++column)
                        row.push_back(sqlite3_value_dup(select.columnValue(column)));
                }
            }
        }
    }
    CardRows(const CardRows&) = delete;
    CardRows& operator=(const CardRows&) = delete;
    ~CardRows()
    {
        for (auto& [table, cards] : m_rows) {
            for (auto& [key, rows] : cards) {
                for (auto& row : rows) {
                    for (sqlite3_value* value : row)
                        sqlite3_value_free(value);
                }
            }
        }
    }

    const std::vector<std::vector<sqlite3_value*>>& of(QLatin1String table, const QString& key) const
    {
        return m_rows.at(table).at(key);
    }

private:
    std::map<QLatin1String, std::map<QString, std::vector<std::vector<sqlite3_value*>>>> m_rows;
};

void importWithFloor(const QString& targetHost, const QStringList& keys, const CardRows& cards)
{
    bench::SqliteFloor floor(targetHost);
    std::list<std::pair<QLatin1String, bench::FloorStatement>> inserts;
    for (const QLatin1String table : cardSchema::CardTables) {
        const std::vector<sqlite3_value*>& someRow = cards.of(table, keys.first()).front();
        QByteArray parameters = "?";
        for (std::size_t column = 1; column < someRow.size(); ++column)
            parameters += ",?";
        inserts.emplace_back(
            std::piecewise_construct, std::forward_as_tuple(table),
            std::forward_as_tuple(floor, "INSERT INTO " + QByteArray(table.data()) + " VALUES (" + parameters + ")"));
    }
    const QString folder = hostFolder(csvFolder);
    for (const QString& key : keys) {
        readFile(QFile::encodeName(folder + key + QStringLiteral(".csv")));
        floor.execute("BEGIN");
        for (auto& [table, insert] : inserts) {
            for (const std::vector<sqlite3_value*>& row : cards.of(table, key)) {
                for (std::size_t column = 0; column < row.size(); ++column)
                    insert.bindValue(int(column) + 1, row[column]);
                insert.step();
            }
        }
        floor.execute("COMMIT");
    }
}

// Milliseconds of work, and the syncs it asked for added to syncs.
double measured(long& syncs, const std::function<void()>& work)
{
    const long before = bench::syncCount();
    const double milliseconds = bench::millisecondsOf(work);
    syncs += bench::syncCount() - before;
    return milliseconds;
}

int run()
{
    bench::BenchWorkstation workstation;
    const QString source = bench::BenchWorkstation::archive(QStringLiteral("ORIGINE"));
    const QString other = bench::BenchWorkstation::archive(QStringLiteral("ALTRO"));
    const QString target = bench::BenchWorkstation::archive(QStringLiteral("DESTINAZIONE"));
    store::CardArchiveSchema::createEmpty(source);
    const QStringList keys =
        demo::SampleCardWriter(QStringLiteral("Autunno-Inverno 2026"), QStringLiteral("AI26"), 7, {5, 25, 1, 6})
            .write(source, exportedCards);
    store::CardArchiveSchema::createEmpty(other);
    const QStringList otherKeys =
        demo::SampleCardWriter(QStringLiteral("Primavera-Estate 2027"), QStringLiteral("PE27"), 9, {5, 25, 1, 6})
            .write(other, importedCards);
    const QStringList imported = keys.first(importedCards);
    store::explorerState().DatabaseFolder = bench::BenchWorkstation::archiveFolder;
    const QString sourceHost = bench::BenchWorkstation::hostPath(source);
    const QString otherHost = bench::BenchWorkstation::hostPath(other);
    const QString targetHost = bench::BenchWorkstation::hostPath(target);
    const CardRows cards(sourceHost, imported);
    std::map<QLatin1String, int> importedRows;
    for (const QLatin1String table : cardSchema::CardTables) {
        for (const QString& key : imported)
            importedRows[table] += int(cards.of(table, key).size());
    }

    bench::Figure exporting{QStringLiteral("CSV export of 10000 cards into an empty folder"), {}, {}, 3};
    bench::Figure addingToFull{QStringLiteral("CSV export of 1000 cards into a folder of 10000 files"), {}, {}, 3};
    bench::Figure importing{QStringLiteral("CSV import of 1000 cards"), {}, {}, 2};
    long exportSyncs = 0, importSyncs = 0, floorExportSyncs = 0, floorImportSyncs = 0;
    for (int round = 0; round < rounds; ++round) {
        emptyFolder(csvFolder);
        emptyFolder(floorFolder);
        emptyArchive(target);
        exporting.values.push_back(measured(exportSyncs, [&] {
            for (const QString& key : keys)
                transfer::ExportData(csvFolder, QStringLiteral("ORIGINE"), key);
        }));
        const std::vector<QByteArray> files = filesOf(csvFolder, keys);
        addingToFull.values.push_back(measured(exportSyncs, [&] {
            for (const QString& key : otherKeys)
                transfer::ExportData(csvFolder, QStringLiteral("ALTRO"), key);
        }));
        const std::vector<QByteArray> otherFiles = filesOf(csvFolder, otherKeys);
        importing.values.push_back(measured(importSyncs, [&] {
            for (const QString& key : imported)
                transfer::ImportData(csvFolder + key + QStringLiteral(".csv"), QStringLiteral("DESTINAZIONE"));
        }));
        expectRows(target, importedRows);

        emptyArchive(target);
        exporting.baselines.push_back(measured(floorExportSyncs, [&] { exportWithFloor(sourceHost, keys, files); }));
        if (filesOf(floorFolder, keys) != files)
            throw std::runtime_error("the floor did not write the files the export wrote");
        addingToFull.baselines.push_back(
            measured(floorExportSyncs, [&] { exportWithFloor(otherHost, otherKeys, otherFiles); }));
        if (filesOf(floorFolder, otherKeys) != otherFiles)
            throw std::runtime_error("the floor did not write the files the export wrote");
        importing.baselines.push_back(
            measured(floorImportSyncs, [&] { importWithFloor(targetHost, imported, cards); }));
        expectRows(target, importedRows);
    }

    const double exportedInAll = double(exportedCards + importedCards) * rounds;
    exporting.print();
    addingToFull.print();
    bench::printSyncs(QStringLiteral("CSV export"), double(exportSyncs) / exportedInAll,
                      double(floorExportSyncs) / exportedInAll);
    importing.print();
    bench::printSyncs(importing.name, double(importSyncs) / (importedCards * rounds),
                      double(floorImportSyncs) / (importedCards * rounds));
    return exporting.met() && addingToFull.met() && importing.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
