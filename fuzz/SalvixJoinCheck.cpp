#include "fuzz/SalvixJoinCheck.h"

#include <QDir>

#include "backup/FileSlices.h"
#include "fuzz/FuzzWorld.h"

namespace fuzz {

namespace {

const QString folder = QStringLiteral("C:\\Pezzi\\");
constexpr qsizetype headerBytes = 3;

QString archive()
{
    return folder + QStringLiteral("Salvix.zip");
}

QString piece(qsizetype number)
{
    return archive() + QStringLiteral(".%1.spf").arg(number);
}

void emptyFolder()
{
    QDir host(FuzzWorld::hostPath(folder));
    host.removeRecursively();
    FuzzWorld::makeFolder(folder);
}

// The pieces the cut must give: whole pieces and the rest, nothing when the file fits in one.
QString cutIsExact(const QByteArray& bytes, qsizetype pieceSize)
{
    if (bytes.size() <= pieceSize)
        return FuzzWorld::fileExists(piece(1)) ? QStringLiteral("a file that fits in one piece was cut") : QString();
    qsizetype number = 1;
    for (qsizetype offset = 0; offset < bytes.size(); offset += pieceSize, ++number) {
        if (FuzzWorld::readFile(piece(number)) != bytes.mid(offset, pieceSize))
            return QStringLiteral("piece %1 of a %2-byte file in pieces of %3 is not its part")
                .arg(number)
                .arg(bytes.size())
                .arg(pieceSize);
    }
    if (FuzzWorld::fileExists(piece(number)))
        return QStringLiteral("piece %1 is one too many").arg(number);
    return QString();
}

} // namespace

// The input's first two bytes give the piece size, the third whether a piece other than the last
// goes missing, the rest is the file: cut into pieces and joined again it comes back byte for
// byte; with a piece missing the join is reported and leaves no half file behind.
QString checkSalvixJoin(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    if (input.size() < headerBytes)
        return QString();
    const qsizetype pieceSize = 1 + (quint8(input[0]) | quint8(input[1]) << 8) % 16384;
    const quint8 damage = quint8(input[2]);
    const QByteArray bytes = input.mid(headerBytes);

    emptyFolder();
    world.writeFile(archive(), bytes);
    world.answers.forget();
    if (!backup::fileSlices::SplitFile(archive(), pieceSize))
        return QStringLiteral("the cut failed: ") + world.answers.messages().join(u' ');
    if (QString broken = cutIsExact(bytes, pieceSize); !broken.isEmpty())
        return broken;
    const qsizetype count = bytes.size() <= pieceSize ? 0 : (bytes.size() + pieceSize - 1) / pieceSize;
    QFile::remove(FuzzWorld::hostPath(archive()));
    const bool missing = count > 2 && damage % 2 == 1;
    if (missing)
        QFile::remove(FuzzWorld::hostPath(piece(1 + damage / 2 % (count - 1))));

    const bool joined = backup::fileSlices::JoinPieces(archive() + QStringLiteral(".*.spf"));
    if (missing) {
        if (joined)
            return QStringLiteral("the join without one of %1 pieces succeeded").arg(count);
        if (world.answers.messages().isEmpty())
            return QStringLiteral("the failed join told nothing");
        if (FuzzWorld::fileExists(archive()))
            return QStringLiteral("the failed join left a half file");
        return QString();
    }
    if (!joined)
        return QStringLiteral("the join of %1 whole pieces failed: ").arg(count) + world.answers.messages().join(u' ');
    if (count == 0)
        return FuzzWorld::fileExists(archive()) ? QStringLiteral("the join made a file of no pieces") : QString();
    if (FuzzWorld::readFile(archive()) != bytes)
        return QStringLiteral("the %1 pieces joined are not the file cut").arg(count);
    return QString();
}

} // namespace fuzz
