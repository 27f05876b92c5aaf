// tramex-workstation: sets up and inspects a user's workstation.
//   tramex-workstation [--workstation DIR] init
//   tramex-workstation [--workstation DIR] map LETTER FOLDER [--removable] [--capacity BYTES]
//   tramex-workstation [--workstation DIR] unmap LETTER
//   tramex-workstation [--workstation DIR] show

#include <cstdio>
#include <optional>
#include <stdexcept>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "platform/RuntimeError.h"
#include "platform/Workstation.h"
#include "setup/DriveMap.h"
#include "setup/WorkstationReport.h"
#include "setup/WorkstationSetUp.h"

namespace {

constexpr int failedExit = 1;
constexpr int usageExit = 2;

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int usage(const QString& problem)
{
    write(stderr, QStringLiteral("tramex-workstation: %1\n"
                                 "usage: tramex-workstation [--workstation DIR] init\n"
                                 "       tramex-workstation [--workstation DIR] map LETTER FOLDER [--removable] "
                                 "[--capacity BYTES]\n"
                                 "       tramex-workstation [--workstation DIR] unmap LETTER\n"
                                 "       tramex-workstation [--workstation DIR] show\n")
                      .arg(problem));
    return usageExit;
}

// "D", "d" or "D:".
std::optional<QChar> letterOf(const QString& text)
{
    if (text.size() == 1 || (text.size() == 2 && text[1] == u':'))
        return text[0];
    return std::nullopt;
}

int map(const QString& root, QStringList arguments)
{
    setup::DriveMapping mapping;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments[i] == u"--removable") {
            mapping.removable = true;
            arguments.removeAt(i);
        } else if (arguments[i] == u"--capacity") {
            bool ok = false;
            if (i + 1 < arguments.size())
                mapping.capacity = arguments[i + 1].toLongLong(&ok);
            if (!ok || *mapping.capacity < 0)
                return usage(QStringLiteral("--capacity takes a number of bytes"));
            arguments.remove(i, 2);
        } else {
            ++i;
        }
    }
    if (arguments.size() != 2 || !letterOf(arguments[0]))
        return usage(QStringLiteral("map takes a drive letter and a folder"));
    mapping.letter = *letterOf(arguments[0]);
    mapping.folder = arguments[1];
    setup::DriveMap(root).map(mapping);
    write(
        stdout,
        QStringLiteral("%1: is %2\n").arg(mapping.letter.toUpper()).arg(QFileInfo(mapping.folder).absoluteFilePath()));
    return 0;
}

int run(const QString& root, const QString& command, const QStringList& arguments)
{
    if (command == u"init") {
        if (!arguments.isEmpty())
            return usage(QStringLiteral("init takes no arguments"));
        const QString programs = QCoreApplication::applicationDirPath();
        setup::WorkstationSetUp(root, programs, setup::WorkstationSetUp::componentFolderBeside(programs),
                                setup::WorkstationSetUp::ProgramEntries::Links)
            .layOut();
        write(stdout, QStringLiteral("workstation ready in %1\nmap the card archive folder as D: with\n"
                                     "    tramex-workstation map D FOLDER\n")
                          .arg(root));
        return 0;
    }
    if (!QFileInfo::exists(QDir(root).filePath(QStringLiteral("drives.ini")))) {
        write(
            stderr,
            QStringLiteral("tramex-workstation: %1 is not set up; run \"tramex-workstation init\" first\n").arg(root));
        return failedExit;
    }
    if (command == u"map")
        return map(root, arguments);
    if (command == u"unmap") {
        if (arguments.size() != 1 || !letterOf(arguments[0]))
            return usage(QStringLiteral("unmap takes a drive letter"));
        setup::DriveMap(root).unmap(*letterOf(arguments[0]));
        return 0;
    }
    if (command == u"show") {
        if (!arguments.isEmpty())
            return usage(QStringLiteral("show takes no arguments"));
        write(stdout, setup::workstationReport(root));
        return 0;
    }
    return usage(QStringLiteral("unknown command \"%1\"").arg(command));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString root = platform::Workstation::defaultRoot();
    if (!arguments.isEmpty() && arguments[0] == u"--workstation") {
        if (arguments.size() < 2)
            return usage(QStringLiteral("--workstation takes a folder"));
        root = QFileInfo(arguments[1]).absoluteFilePath();
        arguments.remove(0, 2);
    }
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command"));
    try {
        return run(root, arguments[0], arguments.mid(1));
    } catch (const platform::RuntimeError& error) {
        write(stderr,
              QStringLiteral("tramex-workstation: error %1: %2\n").arg(error.number()).arg(error.description()));
    } catch (const std::exception& error) {
        write(stderr, QStringLiteral("tramex-workstation: %1\n").arg(QString::fromStdString(error.what())));
    }
    return failedExit;
}
