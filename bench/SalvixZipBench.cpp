// Saving the demo workstation's card archives into one zip as the backup program does (the
// SalvixZip compressor, late-bound: archive, spanning 0, each file, Finish) and restoring them
// below the drive root (the decompressor: overwrite and folders on, base "C:\", Extract).
//
// Baselines: the zip command compressing the same files at level 6 with the same entry names, and
// unzip extracting the same archive over the same files, each file then flushed to disk as the
// decompressor flushes its files before they take their names. Five rounds taken in turns; the
// first round and the median are shown.
//
// Memory: the peak resident memory of the process while saving and restoring one file of 300 MB
// (past 268,427,263 bytes, where 32-bit block counts broke), against the same for 30 MB.
#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "automation/Components.h"
#include "automation/Variant.h"
#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "demo/SampleArchives.h"

namespace {

using automation::Variant;

constexpr int rounds = 5;
constexpr double target = 1.2;

const QString archive = QStringLiteral("C:\\Tramex\\Salvix.zip");

struct Outcome {
    int result;
    QString errorText;
};

void check(const Outcome& outcome, const char* what)
{
    if (outcome.result != 0)
        throw std::runtime_error(std::string(what) + " failed: " + outcome.errorText.toStdString());
}

Outcome compress(const QStringList& files)
{
    const automation::ObjectRef compressor = automation::createObject(QStringLiteral("SalvixZip.Compressor"));
    compressor->call(QStringLiteral("SetArchive"), {Variant(archive)});
    compressor->call(QStringLiteral("SetSpanning"), {Variant::fromLong(0)});
    for (const QString& file : files)
        compressor->call(QStringLiteral("AddFile"), {Variant(file)});
    const int result = compressor->call(QStringLiteral("Finish")).toLong();
    return {result, compressor->call(QStringLiteral("ErrorText")).toString()};
}

Outcome extract()
{
    const automation::ObjectRef decompressor = automation::createObject(QStringLiteral("SalvixZip.Decompressor"));
    decompressor->call(QStringLiteral("SetArchive"), {Variant(archive)});
    decompressor->call(QStringLiteral("SetOverwrite"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetRestoreFolders"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetBaseFolder"), {Variant(QStringLiteral("C:\\"))});
    const int result = decompressor->call(QStringLiteral("Extract"), {Variant(QString()), Variant(QString())}).toLong();
    return {result, decompressor->call(QStringLiteral("ErrorText")).toString()};
}

void runTool(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error(program.toStdString() + " failed: " + process.readAllStandardError().toStdString());
}

void flush(const QString& hostPath)
{
    const int descriptor = ::open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 || ::fsync(descriptor) != 0)
        throw std::runtime_error("cannot flush " + hostPath.toStdString());
    ::close(descriptor);
}

QByteArray digestOf(const QString& hostPath)
{
    QFile file(hostPath);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw std::runtime_error("cannot read " + hostPath.toStdString());
    return hash.result();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Peak resident memory since the last reset, in MiB.
double peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read /proc/self/status");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    throw std::runtime_error("no VmHWM in /proc/self/status");
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        throw std::runtime_error("cannot reset the peak memory");
}

// Bytes that do not compress, so that the archive is as large as the file.
void writeNoise(const QString& hostPath, qint64 size)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + hostPath.toStdString());
    std::vector<std::uint64_t> chunk(1 << 17);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (qint64 written = 0; written < size;) {
        for (std::uint64_t& word : chunk) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        const qint64 bytes = std::min<qint64>(size - written, qint64(chunk.size() * sizeof(std::uint64_t)));
        if (file.write(reinterpret_cast<const char*>(chunk.data()), bytes) != bytes)
            throw std::runtime_error("cannot write " + hostPath.toStdString());
        written += bytes;
    }
}

struct Peaks {
    double save;
    double restore;
};

Peaks peaksFor(qint64 size)
{
    const QString file = bench::BenchWorkstation::archive(QStringLiteral("GRANDE"));
    const QString host = bench::BenchWorkstation::hostPath(file);
    writeNoise(host, size);
    const QByteArray digest = digestOf(host);
    resetPeakMemory();
    check(compress({file}), "saving the large archive");
    Peaks peaks{peakMemory(), 0};
    if (QFileInfo(bench::BenchWorkstation::hostPath(archive)).size() < size)
        throw std::runtime_error("the large archive is smaller than its file");
    QFile::remove(host);
    resetPeakMemory();
    check(extract(), "restoring the large archive");
    peaks.restore = peakMemory();
    if (QFileInfo(host).size() != size || digestOf(host) != digest)
        throw std::runtime_error("the large file came back changed");
    QFile::remove(host);
    return peaks;
}

int run()
{
    bench::BenchWorkstation workstation;
    automation::registerLibrary(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("SalvixZip.dll")));
    demo::SampleArchives::layOut(bench::BenchWorkstation::archiveFolder);

    const QString drive = bench::BenchWorkstation::hostPath(QStringLiteral("C:\\"));
    const QString folder = bench::BenchWorkstation::hostPath(bench::BenchWorkstation::archiveFolder);
    const QString archiveHost = bench::BenchWorkstation::hostPath(archive);
    QStringList files;
    QStringList entries;
    std::vector<QByteArray> digests;
    qint64 bytes = 0;
    for (const QFileInfo& info : QDir(folder).entryInfoList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name)) {
        files.append(bench::BenchWorkstation::archiveFolder + info.fileName());
        entries.append(QStringLiteral("Tramex/Schede/") + info.fileName());
        digests.push_back(digestOf(info.filePath()));
        bytes += info.size();
    }
    const auto expectRestored = [&] {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (digestOf(QDir(drive).filePath(entries[i])) != digests[std::size_t(i)])
                throw std::runtime_error("a restored archive differs: " + entries[i].toStdString());
        }
    };

    std::vector<double> saves, zips, restores, unzips;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(archiveHost);
        saves.push_back(bench::millisecondsOf([&] { check(compress(files), "saving"); }));
        restores.push_back(bench::millisecondsOf([&] { check(extract(), "restoring"); }));
        expectRestored();

        QFile::remove(archiveHost);
        zips.push_back(bench::millisecondsOf([&] {
            runTool(QStringLiteral("zip"), QStringList{QStringLiteral("-q6X"), archiveHost} + entries, drive);
        }));
        unzips.push_back(bench::millisecondsOf([&] {
            runTool(QStringLiteral("unzip"), {QStringLiteral("-qo"), archiveHost}, drive);
            for (const QString& entry : entries)
                flush(QDir(drive).filePath(entry));
        }));
        expectRestored();
    }

    const QString what =
        QStringLiteral(" the %1 demo archives (%2 MB)").arg(files.size()).arg(double(bytes) / 1e6, 0, 'f', 1);
    const std::vector<bench::Figure> figures = {
        {QStringLiteral("Save") + what + QStringLiteral(", first round"), saves[0], zips[0], QStringLiteral("ms"),
         target},
        {QStringLiteral("Save") + what + QStringLiteral(", median"), median(saves), median(zips), QStringLiteral("ms"),
         target},
        {QStringLiteral("Restore") + what + QStringLiteral(", first round"), restores[0], unzips[0],
         QStringLiteral("ms"), target},
        {QStringLiteral("Restore") + what + QStringLiteral(", median"), median(restores), median(unzips),
         QStringLiteral("ms"), target},
    };
    for (const bench::Figure& figure : figures)
        figure.print();

    const Peaks small = peaksFor(30'000'000);
    const Peaks large = peaksFor(300'000'000);
    const std::vector<bench::Figure> memory = {
        {QStringLiteral("Peak memory saving a 300 MB archive (baseline: 30 MB)"), large.save, small.save,
         QStringLiteral("MiB"), target},
        {QStringLiteral("Peak memory restoring a 300 MB archive (baseline: 30 MB)"), large.restore, small.restore,
         QStringLiteral("MiB"), target},
    };
    for (const bench::Figure& figure : memory)
        figure.print();
    const auto met = [](const bench::Figure& figure) { return figure.met(); };
    return std::all_of(figures.begin(), figures.end(), met) && std::all_of(memory.begin(), memory.end(), met) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
