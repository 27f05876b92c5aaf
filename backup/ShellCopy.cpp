#include "backup/ShellCopy.h"

#include <optional>

#include "interaction/CopyProgress.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/BinaryFile.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace backup {

namespace {

constexpr qint64 chunkBytes = 64 * 1024;

void removeHalfWritten(const QString& path)
{
    try {
        platform::files::removeFile(path);
    } catch (const platform::RuntimeError&) {
    }
}

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
    std::optional<platform::BinaryFile> copy;
    try {
        copy.emplace(target, platform::BinaryFile::Mode::Write);
        bool going = progress->advance(0, total);
        for (qint64 copied = 0; going && copied < total;) {
            copy->write(source.read(std::min(chunkBytes, total - copied)));
            copied = copy->position();
            going = progress->advance(copied, total);
        }
        copy->close();
        if (going)
            return true;
    } catch (const platform::RuntimeError&) {
        copy.reset();
        removeHalfWritten(target);
        throw;
    }
    copy.reset();
    removeHalfWritten(target);
    return false;
}

} // namespace backup
