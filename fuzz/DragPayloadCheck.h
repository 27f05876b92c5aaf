#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkDragPayload(const QByteArray& input);

} // namespace fuzz
