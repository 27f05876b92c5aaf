#include "backup/ShellCopy.h"

#include <algorithm>

#include "interaction/CopyProgress.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/AtomicFile.h"
#include "platform/BinaryFile.h"
#include "platform/Files.h"
#include "platform/WindowsPath.h"

namespace backup {

namespace {

constexpr qint64 chunkBytes = 64 * 1024;

} // namespace

bool ShellCopy(QWidget* window, const QString& from, const QString& to)
{
    const QString target = to.endsWith(u'\\') ? to + platform::windowsPath::namePart(from) : to;
    platform::BinaryFile source(from, platform::BinaryFile::Mode::Read);
    interaction::Prompter& prompter = interaction::Seams::prompter();
    if (platform::files::exists(target) && !prompter.confirmReplace(window, target))
        return false;
    const auto progress = prompter.copyProgress(window, from, target);
    const qint64 total = source.length();
    // The copy takes the file's name only when whole: a copy cancelled, failed or cut short by a
    // killed program or a power cut leaves the file it was to replace as it was.
    platform::AtomicFile copy(platform::windowsPath::toHost(target));
    bool going = progress->advance(0, total);
    for (qint64 copied = 0; going && copied < total;) {
        copy.write(source.read(std::min(chunkBytes, total - copied)));
        copied = copy.position();
        going = progress->advance(copied, total);
    }
    if (!going)
        return false;
    copy.commit();
    return true;
}

} // namespace backup
