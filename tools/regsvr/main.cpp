// regsvr: registers or unregisters a component library in a workstation's registry, as the
// platform's registration tool does.
//   regsvr [--workstation DIR] [/u] LIBRARY-PATH

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "automation/Components.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace {

// The exit codes of the platform's tool.
constexpr int usageExit = 1;
constexpr int loadFailedExit = 3;
constexpr int entryPointMissingExit = 4;
constexpr int callFailedExit = 5;

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int usage(const QString& problem)
{
    write(stderr, QStringLiteral("regsvr: %1\nusage: regsvr [--workstation DIR] [/u] LIBRARY-PATH\n").arg(problem));
    return usageExit;
}

// "C:\..." or anything with a backslash is a Windows path on the workstation; the rest a host path.
QString hostPathOf(const QString& path)
{
    static const QRegularExpression windowsForm(QStringLiteral("^[A-Za-z]:|\\\\"));
    if (windowsForm.match(path).hasMatch())
        return platform::windowsPath::toHost(path);
    return QFileInfo(path).absoluteFilePath();
}

int exitCodeOf(const platform::RuntimeError& error)
{
    switch (error.number()) {
    case 48:
    case 52:
    case 68:
    case 71:
    case 76:
        return loadFailedExit;
    case 453:
        return entryPointMissingExit;
    default:
        return callFailedExit;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QString workstation;
    QString library;
    bool unregister = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromUtf8(argv[i]);
        if (argument == QLatin1String("--workstation") && i + 1 < argc)
            workstation = QString::fromUtf8(argv[++i]);
        else if (argument.compare(QLatin1String("/u"), Qt::CaseInsensitive) == 0)
            unregister = true;
        else if (library.isEmpty() && !argument.startsWith(QLatin1String("--")))
            library = argument;
        else
            return usage(QStringLiteral("unexpected argument %1").arg(argument));
    }
    if (library.isEmpty())
        return usage(QStringLiteral("no library given"));

    const QString root =
        QDir(workstation.isEmpty() ? platform::Workstation::defaultRoot() : workstation).absolutePath();
    const QString entryPoint = unregister ? QStringLiteral("DllUnregisterServer") : QStringLiteral("DllRegisterServer");
    try {
        if (!QDir().mkpath(root))
            return usage(QStringLiteral("cannot create the workstation folder %1").arg(root));
        platform::Workstation::layOutDefault(root);
        platform::Workstation::use(root);
        const QString hostPath = hostPathOf(library);
        if (unregister)
            automation::unregisterLibrary(hostPath);
        else
            automation::registerLibrary(hostPath);
        write(stdout, QStringLiteral("%1 in %2 succeeded.\n").arg(entryPoint, library));
        return 0;
    } catch (const platform::RuntimeError& error) {
        write(stderr, QStringLiteral("regsvr: %1\n").arg(error.description()));
        return exitCodeOf(error);
    }
}
