#include "fuzz/CommandLineCheck.h"

#include <QFileInfo>

#include "fuzz/FuzzWorld.h"
#include "platform/CommandLine.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace fuzz {

namespace {

namespace windowsPath = platform::windowsPath;

constexpr qsizetype longestLine = 512;
constexpr int longerPrefixesTried = 8;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Resolving each prefix on its own agrees with the one walk along the line: the program's
// prefix names it, and no longer prefix ending before a blank names a program.
QString longestPrefixBroken(QStringView text, const platform::CommandLine& command)
{
    const qsizetype argument = command.argument().size();
    const qsizetype length = argument > 0 ? text.size() - argument - 1 : text.size();
    const QString program = windowsPath::resolveProgram(text.first(length).toString());
    if (program != command.program() &&
        !(argument == 0 && length > 0 &&
          windowsPath::resolveProgram(text.first(length - 1).toString()) == command.program()))
        return QStringLiteral("the prefix \"%1\" names \"%2\", not \"%3\"")
            .arg(text.first(length).toString(), program, command.program());
    int tried = 0;
    for (qsizetype end = length + 1; end < text.size() && tried < longerPrefixesTried; ++end) {
        if (!isBlank(text[end]) || isBlank(text[end - 1]))
            continue;
        ++tried;
        if (!windowsPath::resolveProgram(text.first(end).toString()).isEmpty())
            return QStringLiteral("the longer prefix \"%1\" names a program too").arg(text.first(end).toString());
    }
    return QString();
}

} // namespace

// A line either names no program (53 or a bad name) or an existing file on a drive, with the
// rest of the line, whole, as its argument; unquoted, the program is the longest prefix that
// names one.
QString checkCommandLine(const QByteArray& input)
{
    FuzzWorld::instance();
    const QString line = QString::fromUtf8(input.first(std::min(input.size(), longestLine)));
    try {
        const platform::CommandLine command(line);
        if (!QFileInfo(command.program()).isFile())
            return QStringLiteral("\"%1\" is no file").arg(command.program());
        if (windowsPath::fromHost(command.program()).isEmpty())
            return QStringLiteral("\"%1\" lies on no drive").arg(command.program());
        if (!line.endsWith(command.argument()))
            return QStringLiteral("the argument \"%1\" is not the end of the line").arg(command.argument());
        qsizetype start = 0;
        while (start < line.size() && isBlank(line[start]))
            ++start;
        if (!QStringView(line).sliced(start).startsWith(u'"'))
            return longestPrefixBroken(QStringView(line).sliced(start), command);
    } catch (const platform::RuntimeError& error) {
        if (error.number() != platform::FileNotFound && error.number() != platform::BadFileNameOrNumber &&
            error.number() != platform::DeviceUnavailable && error.number() != platform::DiskNotReady)
            return QStringLiteral("raised %1").arg(error.number());
    }
    return QString();
}

} // namespace fuzz
