#include "explorer/transfer/CardDragData.h"

#include <algorithm>

#include <QMimeData>
#include <QUrl>

#include "explorer/store/CardListWindow.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace transfer::cardDragData {

namespace {

const int invalidProcedureCall = 5;

} // namespace

QStringList entries(const QString& sourceArchivePath, const store::CardListWindow& window)
{
    QStringList result{sourceArchivePath};
    for (int row = 0; row < window.rowCount(); ++row) {
        if (window.isRowSelected(row))
            result.append(window.rowText(row));
    }
    return result;
}

std::unique_ptr<QMimeData> encode(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        if (entry.contains(u'\n') || entry.contains(u'\r'))
            throw platform::RuntimeError(invalidProcedureCall,
                                         QStringLiteral("A dragged entry holds a line break: ") + entry);
        bytes += entry.toUtf8();
        bytes += '\n';
    }
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeType, bytes);
    if (!entries.isEmpty()) {
        // Other programs get the archive file; a path the workstation cannot map is left out.
        try {
            data->setUrls({QUrl::fromLocalFile(platform::windowsPath::toHost(entries.first()))});
        } catch (const platform::RuntimeError&) {
        }
    }
    return data;
}

std::optional<QStringList> decode(const QMimeData& data)
{
    if (!data.hasFormat(MimeType))
        return std::nullopt;
    QStringList result = QString::fromUtf8(data.data(MimeType)).split(u'\n');
    // A carriage return is no part of a key and could never travel again.
    if (result.size() < 2 || !result.last().isEmpty() ||
        std::any_of(result.cbegin(), result.cend(), [](const QString& entry) { return entry.contains(u'\r'); }))
        return std::nullopt;
    result.removeLast();
    if (!result.first().endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive))
        return std::nullopt;
    return result;
}

} // namespace transfer::cardDragData
