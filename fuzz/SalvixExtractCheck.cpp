#include "fuzz/SalvixExtractCheck.h"

#include <map>
#include <memory>
#include <optional>

#include <QDir>
#include <QDirIterator>

#include <zip.h>

#include "automation/Components.h"
#include "automation/Variant.h"
#include "fuzz/FuzzWorld.h"

namespace fuzz {

namespace {

using automation::Variant;
using Files = std::map<QString, QByteArray>;

const QString baseFolder = QStringLiteral("C:\\Ripristino\\");
const QString archive = QStringLiteral("C:\\Archivi\\Salvix.zip");
const QString decompressorClass = QStringLiteral("{43387DB1-DDAE-11D3-97EC-0000E8740307}");

// The files below a host folder, by their path below it; `skipped` (a host path) is left out.
Files filesBelow(const QString& hostFolder, const QString& skipped = {})
{
    Files files;
    QDirIterator it(hostFolder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!skipped.isEmpty() && path.startsWith(skipped))
            continue;
        QFile file(path);
        files[QDir(hostFolder).relativeFilePath(path)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
    }
    return files;
}

void resetBaseFolder()
{
    QDir(FuzzWorld::hostPath(baseFolder)).removeRecursively();
    FuzzWorld::writeFile(baseFolder + QStringLiteral("Tramex\\Schede\\UOMO.mdb"), "archivio di prima");
    FuzzWorld::writeFile(baseFolder + QStringLiteral("Leggimi.txt"), "resta");
}

// The file entries of the archive as libzip reads them, by name; none when it cannot read them all.
std::optional<Files> entriesOf(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_error_fini(&error);
    if (!source)
        return std::nullopt;
    zip_t* opened = zip_open_from_source(source, ZIP_RDONLY, nullptr);
    if (!opened) {
        zip_source_free(source);
        return std::nullopt;
    }
    const std::unique_ptr<zip_t, void (*)(zip_t*)> closer(opened, zip_discard);
    Files entries;
    const zip_int64_t count = zip_get_num_entries(opened, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(opened, zip_uint64_t(index), 0, &stat) != 0)
            return std::nullopt;
        const QString name = QString::fromUtf8(stat.name);
        if (name.endsWith(u'/'))
            continue;
        zip_file_t* file = zip_fopen_index(opened, zip_uint64_t(index), 0);
        if (!file)
            return std::nullopt;
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, data.data(), zip_uint64_t(data.size()));
        zip_fclose(file);
        if (got != data.size())
            return std::nullopt;
        entries[name] = data;
    }
    return entries;
}

// A file the extraction left in the base folder: as it was, or the bytes of the entry of its name
// (the last one, should two share it).
QString extractedFileIsSound(const QString& path, const QByteArray& bytes, const Files& before, const Files& entries)
{
    const auto entry = entries.find(path);
    if (entry != entries.end()) {
        if (bytes != entry->second)
            return QStringLiteral("\"%1\" does not hold its entry's bytes").arg(path);
        return QString();
    }
    const auto old = before.find(path);
    if (old == before.end())
        return QStringLiteral("\"%1\" appeared, named by no entry").arg(path);
    if (old->second != bytes)
        return QStringLiteral("\"%1\" changed, named by no entry").arg(path);
    return QString();
}

} // namespace

// Extracts the input as a backup archive below a folder, as the restore does: nothing outside
// the folder changes; a refused or damaged archive changes no file in it either; an archive
// extracted leaves each file as it was or with the bytes of the entry named after it.
QString checkSalvixExtract(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    static const bool registered = [] {
        FuzzWorld::registerBuilt(QStringLiteral("SalvixZip.dll"));
        return true;
    }();
    Q_UNUSED(registered);
    resetBaseFolder();
    world.writeFile(archive, input);
    const QString baseHost = FuzzWorld::hostPath(baseFolder);
    const Files outsideBefore = filesBelow(world.root(), baseHost);
    const Files before = filesBelow(baseHost);

    const automation::ObjectRef decompressor = automation::createObject(decompressorClass);
    decompressor->call(QStringLiteral("SetArchive"), {Variant(archive)});
    decompressor->call(QStringLiteral("SetOverwrite"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetRestoreFolders"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetBaseFolder"), {Variant(baseFolder)});
    const int result = decompressor->call(QStringLiteral("Extract"), {Variant(QString()), Variant(QString())}).toLong();
    const QString errorText = decompressor->call(QStringLiteral("ErrorText")).toString();

    if (filesBelow(world.root(), baseHost) != outsideBefore)
        return QStringLiteral("the extraction changed a file outside the base folder");
    const Files after = filesBelow(baseHost);
    if (result != 0) {
        if (errorText.isEmpty())
            return QStringLiteral("error %1 without a text").arg(result);
        if (after != before)
            return QStringLiteral("the refused archive (%1) changed the base folder").arg(errorText);
        return QString();
    }
    const auto entries = entriesOf(input);
    if (!entries)
        return QStringLiteral("an archive libzip cannot read was extracted");
    for (const auto& [path, bytes] : after) {
        if (QString broken = extractedFileIsSound(path, bytes, before, *entries); !broken.isEmpty())
            return broken;
    }
    return QString();
}

} // namespace fuzz
