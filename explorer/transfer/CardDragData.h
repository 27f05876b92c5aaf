#pragma once

#include <memory>
#include <optional>

#include <QLatin1String>
#include <QStringList>

class QMimeData;

namespace store {
class CardListWindow;
}

// The cards a drag carries: entry 1 the source archive's path, then the keys in card-list order.
namespace transfer::cardDragData {

// The ordered entries in UTF-8, each ended by a line break.
inline constexpr QLatin1String MimeType("application/x-tramex-cardlist");

// The source archive, then the key of every selected card-list row.
QStringList entries(const QString& sourceArchivePath, const store::CardListWindow& window);

// The entries under MimeType, plus the source archive as a file URL for other programs. A key
// holding a line break cannot travel: error 5.
std::unique_ptr<QMimeData> encode(const QStringList& entries);

// The entries; nothing when the data lacks MimeType, its first entry is no archive (".mdb") or an
// entry holds a carriage return.
std::optional<QStringList> decode(const QMimeData& data);

} // namespace transfer::cardDragData
