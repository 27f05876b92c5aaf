#include "common/ProgramIdentity.h"

#include <optional>

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/WindowsPath.h"

namespace common::program {

namespace {

std::optional<QString>& chosenName()
{
    static std::optional<QString> name;
    return name;
}

std::optional<QString>& chosenFolder()
{
    static std::optional<QString> folder;
    return folder;
}

} // namespace

QString name()
{
    if (chosenName())
        return *chosenName();
    if (!QCoreApplication::instance())
        return {};
    QString base = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (base.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        base.chop(4);
    return base;
}

void setName(const QString& name)
{
    chosenName() = name;
}

QString folder()
{
    if (chosenFolder())
        return *chosenFolder();
    if (!QCoreApplication::instance())
        return {};
    return platform::windowsPath::fromHost(QCoreApplication::applicationDirPath());
}

void setFolder(const QString& windowsFolder)
{
    chosenFolder() = windowsFolder;
}

QString GetAppFolder()
{
    const QString programFolder = folder();
    return programFolder.endsWith(QLatin1Char('\\')) ? programFolder : programFolder + QLatin1Char('\\');
}

} // namespace common::program
