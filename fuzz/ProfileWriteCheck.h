#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkProfileWrite(const QByteArray& input);

} // namespace fuzz
