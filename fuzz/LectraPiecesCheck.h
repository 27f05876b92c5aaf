#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkLectraPieces(const QByteArray& input);

} // namespace fuzz
