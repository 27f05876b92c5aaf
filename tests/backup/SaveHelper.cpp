// Saves card archives of a Salvix workstation into a folder as the window's Esegui does, letting
// the shell replace the set there, with a line on stdout before the save, as each copy into the
// folder starts and after, so that a test can kill it in the middle of the save or of a copy.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include "backup/BackupRun.h"
#include "backup/CardArchiveBackup.h"
#include "common/ProgramIdentity.h"
#include "interaction/CopyProgress.h"
#include "interaction/RecordingProgressDisplay.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"
#include "platform/Files.h"
#include "platform/Workstation.h"

namespace {

class AnnouncedCopies : public interaction::ScriptedPrompter {
public:
    using ScriptedPrompter::ScriptedPrompter;

    std::unique_ptr<interaction::CopyProgress> copyProgress(void* owner, const QString& from,
                                                            const QString& to) override
    {
        std::printf("copying\n");
        std::fflush(stdout);
        return ScriptedPrompter::copyProgress(owner, from, to);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 6) {
        std::fprintf(stderr, "usage: salvix_save_helper WORKSTATION PROGRAMFOLDER DATABASEFOLDER DESTINATION "
                             "ARCHIVE...\n");
        return 2;
    }
    platform::Workstation::use(arguments[1]);
    common::program::setName(QStringLiteral("Salvix"));
    common::program::setFolder(arguments[2]);
    AnnouncedCopies prompter([](const QString& failure) {
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(failure));
        std::exit(3);
    });
    if (platform::files::exists(arguments[4] + QStringLiteral("Salvix.zip")))
        prompter.expectReplace(interaction::TextMatcher::any(), true);
    interaction::Seams::Installation seams;
    seams.setPrompter(prompter).setProgramTitle(QStringLiteral("Salvix"));

    QWidget window;
    interaction::RecordingProgressDisplay display;
    backup::BackupRun run(window, display, {arguments[4], false, false, arguments[3], arguments.mid(5)});
    std::printf("saving\n");
    std::fflush(stdout);
    backup::saveCardArchives(run);
    std::printf("saved %d\n", run.outcome ? 1 : 0);
    std::fflush(stdout);
    return 0;
}
