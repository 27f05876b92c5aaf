#include <cstdio>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "platform/Files.h"
#include "platform/RuntimeError.h"
#include "tools/DMPMODEL/ModelDump.h"

// DMPMODEL AREA DUMPFILE: writes the model dump of a storage area (see ModelDump.h). The command
// line arrives whole, as one argument; the dump file is the last part that starts with a drive,
// so an area name may hold blanks.
namespace {

const int badArgument = 2;
const int failed = 1;

void report(const QString& message)
{
    std::fprintf(stderr, "DMPMODEL: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString argument = application.arguments().mid(1).join(u' ');
    static const QRegularExpression dumpStart(QStringLiteral(" [A-Za-z]:\\\\"));
    const qsizetype split = argument.lastIndexOf(dumpStart);
    if (split <= 0) {
        report(QStringLiteral("expected \"AREA DUMPFILE\", got \"%1\".").arg(argument));
        return badArgument;
    }
    const QString area = argument.left(split);
    const QString dumpFile = argument.mid(split + 1);
    try {
        platform::files::writeAll(dumpFile, dmpmodel::dumpArea(area));
    } catch (const platform::RuntimeError& error) {
        report(QStringLiteral("%1 (error %2)").arg(error.description()).arg(error.number()));
        return failed;
    }
    return 0;
}
