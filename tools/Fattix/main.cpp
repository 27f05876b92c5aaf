#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "interaction/Clock.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "tools/Fattix/InvoiceJournal.h"

// Fattix KEY: journals the card KEY of the archive the explorer named in "Tramex.ini" (see
// InvoiceJournal.h). The command line arrives whole, as one argument; a key typed in a shell with
// blanks arrives in pieces, which are joined again.
namespace {

const int badArgument = 2;
const int notFound = 1;
const int failed = 3;

void report(const QString& message)
{
    std::fprintf(stderr, "Fattix: %s\n", message.toLocal8Bit().constData());
}

// The folder the program was started from, as the platform names it: a link to the program
// installed in another folder journals there, not beside the link's target.
QString startFolder(const char* programPath)
{
    const QString started = QFile::decodeName(programPath);
    if (started.contains(u'/'))
        return QFileInfo(started).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QString key = application.arguments().mid(1).join(u' ');
    if (key.isEmpty()) {
        report(QStringLiteral("expected a card key."));
        return badArgument;
    }
    const fattix::JournalEntry entry = fattix::lookUpCard(fattix::currentArchive(), key);
    try {
        fattix::appendToJournal(QDir(startFolder(argv[0])).filePath(QStringLiteral("Fatture.txt")),
                                fattix::journalLine(interaction::Seams::clock().now(), entry));
    } catch (const platform::RuntimeError& error) {
        report(error.description());
        return failed;
    }
    if (!entry.found) {
        report(QStringLiteral("card \"%1\": %2").arg(key, entry.collection));
        return notFound;
    }
    return 0;
}
