#include "bench/BenchWorkstation.h"

#include <stdexcept>

#include <QDir>
#include <QFileInfo>

#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace bench {

namespace {

QString temporaryTemplate()
{
    const QString chosen = qEnvironmentVariable("TRAMEX_BENCH_DIR");
    if (!chosen.isEmpty())
        return chosen + QStringLiteral("/tramex-bench-XXXXXX");
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString folder = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return folder + QStringLiteral("/tramex-bench-XXXXXX");
}

} // namespace

const QString BenchWorkstation::archiveFolder = QStringLiteral("C:\\Tramex\\Schede\\");

BenchWorkstation::BenchWorkstation() : m_root(temporaryTemplate())
{
    if (!m_root.isValid())
        throw std::runtime_error("cannot make a temporary workstation");
    platform::Workstation::layOutDefault(m_root.path());
    platform::Workstation::use(m_root.path());
    QDir().mkpath(hostPath(archiveFolder));
}

QString BenchWorkstation::archive(const QString& name)
{
    return archiveFolder + name + QStringLiteral(".mdb");
}

QString BenchWorkstation::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

} // namespace bench
