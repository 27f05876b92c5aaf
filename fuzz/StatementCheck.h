#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkStatement(const QByteArray& input);

} // namespace fuzz
