#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkSalvixExtract(const QByteArray& input);

} // namespace fuzz
