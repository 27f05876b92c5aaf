#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkSalvixJoin(const QByteArray& input);

} // namespace fuzz
