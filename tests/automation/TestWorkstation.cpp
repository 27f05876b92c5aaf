#include "tests/automation/TestWorkstation.h"

#include <QFile>
#include <QFileInfo>

#include "platform/Workstation.h"

TestWorkstation::TestWorkstation()
{
    platform::Workstation::layOutDefault(root());
    platform::Workstation::use(root());
}

QString TestWorkstation::registryText() const
{
    QFile file(platform::Workstation::current().registryFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

QString TestWorkstation::binPath(const QString& name)
{
    // The test program is built into the same folder, for runs where TRAMEX_BIN_DIR is not set.
    QString folder = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (folder.isEmpty())
        folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
    return folder + QLatin1Char('/') + name;
}
