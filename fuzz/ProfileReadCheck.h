#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkProfileRead(const QByteArray& input);

} // namespace fuzz
