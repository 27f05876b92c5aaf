#pragma once

#include <QByteArray>
#include <QString>

namespace fuzz {

QString checkCardImport(const QByteArray& input);

} // namespace fuzz
