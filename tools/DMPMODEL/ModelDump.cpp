#include "tools/DMPMODEL/ModelDump.h"

#include <QRegularExpression>
#include <QStringList>

#include "platform/Codepage.h"
#include "platform/ErrorNumber.h"
#include "platform/Files.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"

namespace dmpmodel {

namespace {

constexpr int fieldsPerRecord = 14;

// Quotes end a field for the reader of the dump, so they cannot be part of a value.
QString quoted(QString value)
{
    value.remove(u'"');
    return u'"' + value + u'"';
}

QString record(const QString& model, const QStringList& piece)
{
    QStringList fields(fieldsPerRecord, quoted(QString()));
    const auto part = [&](int index) { return index < piece.size() ? piece[index].trimmed() : QString(); };
    fields[0] = quoted(model);
    fields[1] = quoted(part(0));
    fields[2] = quoted(part(1));
    fields[3] = quoted(part(2));
    fields[4] = quoted(part(3));
    fields[12] = quoted(part(4));
    return fields.join(u',');
}

void appendModel(QStringList& lines, const QString& folder, const QString& fileName)
{
    const QString model = fileName.left(fileName.lastIndexOf(u'.'));
    const QString text = platform::codepage::toUnicode(platform::files::readAll(folder + fileName));
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (line.trimmed().isEmpty() || line.startsWith(u';'))
            continue;
        lines.append(record(model, line.split(u';')));
    }
}

} // namespace

QString areaFolder(const QString& area)
{
    static const QRegularExpression drivePrefix(QStringLiteral("^[A-Za-z]:\\\\"));
    if (drivePrefix.match(area).hasMatch())
        return area.left(3) + QStringLiteral("userroot\\storage\\") + area.mid(3) + u'\\';
    return QStringLiteral("c:\\userroot\\system\\state\\stordir\\") + area + u'\\';
}

QByteArray dumpArea(const QString& area)
{
    const QString folder = areaFolder(area);
    if (!platform::files::exists(folder))
        throw platform::RuntimeError(platform::PathNotFound);
    QStringList lines{QStringLiteral("DMPMODEL storage area ") + area,
                      QStringLiteral("\"Model\",\"Piece\",\"Category\",\"Quantity\",\"Mirrored\",\"Size\",\"Rule\","
                                     "\"Table\",\"Grain\",\"Fold\",\"Buffer\",\"Notch\",\"Material\",\"Comment\"")};
    for (const QString& fileName : platform::listing::dir(folder + QStringLiteral("*.MOD")))
        appendModel(lines, folder, fileName);
    return platform::codepage::fromUnicode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace dmpmodel
