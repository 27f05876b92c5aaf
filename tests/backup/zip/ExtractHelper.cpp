// Extracts a SalvixZip archive below a base folder as the restore does, with a line on stdout
// before and after, so that a test can kill it in the middle of the extraction.
#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "automation/Components.h"
#include "automation/Variant.h"
#include "platform/Workstation.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: salvix_extract_helper WORKSTATION ARCHIVE BASEFOLDER\n");
        return 2;
    }
    platform::Workstation::use(arguments[1]);
    using automation::Variant;
    const automation::ObjectRef decompressor = automation::createObject(QStringLiteral("SalvixZip.Decompressor"));
    decompressor->call(QStringLiteral("SetArchive"), {Variant(arguments[2])});
    decompressor->call(QStringLiteral("SetOverwrite"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetRestoreFolders"), {Variant::fromBoolean(true)});
    decompressor->call(QStringLiteral("SetBaseFolder"), {Variant(arguments[3])});
    std::printf("extracting\n");
    std::fflush(stdout);
    const int result = decompressor->call(QStringLiteral("Extract"), {Variant(QString()), Variant(QString())}).toLong();
    std::printf("extracted %d\n", result);
    std::fflush(stdout);
    return 0;
}
