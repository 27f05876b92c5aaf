#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkAccumarkDump(const QByteArray& input);

} // namespace fuzz
