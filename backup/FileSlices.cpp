#include "backup/FileSlices.h"

#include "backup/DiskCount.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/BinaryFile.h"
#include "platform/Files.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace backup::fileSlices {

namespace {

constexpr qint64 blockBytes = 8192;

QString pieceName(const QString& stem, qint64 number)
{
    return stem + QString::number(number) + QStringLiteral(".spf");
}

bool copyFailed(const QString& description)
{
    interaction::Seams::prompter().message(QStringLiteral("Errore durante la copia: ") + description,
                                           interaction::Buttons::Ok, interaction::Icon::Critical,
                                           interaction::DefaultButton::First, {});
    return false;
}

bool copyFailed(int errorNumber)
{
    return copyFailed(platform::RuntimeError(errorNumber).description());
}

// "C:\T\Salvix.zip.*.spf" gives "C:\T\Salvix.zip.": the name up to its second ".". Only the name is
// cut, so a "." in a folder's name does no harm.
QString stemOf(const QString& pattern)
{
    const QString withoutExtension = pattern.chopped(4);
    const QString folder = platform::windowsPath::folderPart(withoutExtension);
    QString name = platform::windowsPath::namePart(withoutExtension);
    const qsizetype first = name.indexOf(u'.');
    const qsizetype second = first < 0 ? -1 : name.indexOf(u'.', first + 1);
    if (second >= 0)
        name.truncate(second + 1);
    if (!name.endsWith(u'.'))
        name += u'.';
    return folder + name;
}

} // namespace

int BlockCopy(platform::BinaryFile& source, platform::BinaryFile& target, qint64 byteCount)
{
    const qint64 blocks = byteCount / blockBytes + 1;
    try {
        for (qint64 block = 1; block <= blocks; ++block)
            target.write(source.read(block < blocks ? blockBytes : byteCount % blockBytes));
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

bool SplitFile(const QString& path, qint64 pieceSize)
{
    platform::BinaryFile source(path, platform::BinaryFile::Mode::Read);
    const qint64 length = source.length();
    if (pieceSize <= 0 || length <= pieceSize)
        return true;
    const qint64 count = diskCount::pieceCount(length, pieceSize);
    for (qint64 number = 1; number <= count; ++number) {
        const qint64 size = number < count ? pieceSize : length - (count - 1) * pieceSize;
        try {
            platform::BinaryFile piece(pieceName(path + u'.', number), platform::BinaryFile::Mode::Write);
            if (const int error = BlockCopy(source, piece, size))
                return copyFailed(error);
        } catch (const platform::RuntimeError& error) {
            return copyFailed(error.description());
        }
    }
    return true;
}

bool JoinPieces(const QString& pattern)
{
    const QString stem = stemOf(pattern);
    const qsizetype count = platform::listing::dir(stem + QStringLiteral("*.spf")).size();
    if (count == 0)
        return true;
    const QString joinedPath = stem.chopped(1);
    bool created = false;
    QString failure;
    try {
        platform::BinaryFile joined(joinedPath, platform::BinaryFile::Mode::Write);
        created = true;
        for (qsizetype number = 1; number <= count && failure.isEmpty(); ++number) {
            platform::BinaryFile piece(pieceName(stem, number), platform::BinaryFile::Mode::Read);
            if (const int error = BlockCopy(piece, joined, piece.length()))
                failure = platform::RuntimeError(error).description();
        }
    } catch (const platform::RuntimeError& error) {
        failure = error.description();
    }
    if (failure.isEmpty())
        return true;
    // A half-joined file would pass for the archive at the next restore.
    if (created) {
        try {
            platform::files::removeFile(joinedPath);
        } catch (const platform::RuntimeError& error) {
            failure += QStringLiteral("; ") + error.description();
        }
    }
    return copyFailed(failure);
}

} // namespace backup::fileSlices
