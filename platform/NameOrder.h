#pragma once

#include <QStringView>

// The order in which Windows file systems keep names: by their upper-case forms, code unit by
// code unit (so "_" comes after the letters), the exact spelling deciding ties.
namespace platform::nameOrder {

bool less(QStringView a, QStringView b);

} // namespace platform::nameOrder
