#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkSalvixDescription(const QByteArray& input);

} // namespace fuzz
