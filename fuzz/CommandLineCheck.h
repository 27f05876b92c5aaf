#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkCommandLine(const QByteArray& input);

} // namespace fuzz
