#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkWindowsPath(const QByteArray& input);

} // namespace fuzz
