#include "demo/SampleArchives.h"

#include <array>
#include <stdexcept>

#include <QFile>
#include <QFileInfo>

#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "platform/WindowsPath.h"

namespace demo {

namespace {

struct Sample {
    const char* name;
    const char* collection;
    const char* keyPrefix;
    int cards;
};

constexpr std::array<Sample, 4> samples{{
    {"PRIMAVERA2026", "Primavera-Estate 2026", "PE26", 40},
    {"AUTUNNO2025", "Autunno-Inverno 2025", "AI25", 35},
    {"UOMO", "Uomo classico", "UOMO", 25},
    {"ARCHIVIOGRANDE", "Archivio storico collezioni", "STO", 6000},
}};

void makeArchive(const QString& folder, const Sample& sample, std::uint32_t seed)
{
    const QString name = QString::fromLatin1(sample.name);
    const QString archive = platform::windowsPath::toHost(folder + name + QStringLiteral(".mdb"));
    if (QFileInfo::exists(archive))
        return;
    const QString partial = folder + name + QStringLiteral(".part");
    const QString partialHost = platform::windowsPath::toHost(partial);
    QFile::remove(partialHost);
    try {
        store::CardArchiveSchema::createEmpty(partial);
        SampleCardWriter(QString::fromLatin1(sample.collection), QString::fromLatin1(sample.keyPrefix), seed, {})
            .write(partial, sample.cards);
    } catch (...) {
        QFile::remove(partialHost);
        throw;
    }
    if (!QFile::rename(partialHost, archive))
        throw std::runtime_error("cannot make " + archive.toStdString());
}

} // namespace

void SampleArchives::layOut(const QString& folder)
{
    std::uint32_t seed = 2026;
    for (const Sample& sample : samples)
        makeArchive(folder, sample, seed++);
}

} // namespace demo
