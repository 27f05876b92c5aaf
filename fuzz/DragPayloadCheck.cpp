#include "fuzz/DragPayloadCheck.h"

#include <QMimeData>

#include "explorer/transfer/CardDragData.h"
#include "platform/RuntimeError.h"

namespace fuzz {

namespace cardDragData = transfer::cardDragData;

// A payload is taken only with an archive first and entries without line breaks, and what was
// taken travels again unchanged.
QString checkDragPayload(const QByteArray& input)
{
    QMimeData data;
    data.setData(cardDragData::MimeType, input);
    const auto entries = cardDragData::decode(data);
    if (!entries)
        return QString();
    if (entries->isEmpty() || !entries->front().endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive))
        return QStringLiteral("taken without an archive first");
    for (const QString& entry : *entries) {
        if (entry.contains(u'\n') || entry.contains(u'\r'))
            return QStringLiteral("the entry \"%1\" holds a line break").arg(entry);
    }
    try {
        const auto again = cardDragData::decode(*cardDragData::encode(*entries));
        if (again != entries)
            return QStringLiteral("the entries changed on their way: %1 became %2")
                .arg(entries->join(u'|'), again ? again->join(u'|') : QStringLiteral("<nothing>"));
    } catch (const platform::RuntimeError& error) {
        return QStringLiteral("entries taken cannot travel again: error %1").arg(error.number());
    }
    return QString();
}

} // namespace fuzz
