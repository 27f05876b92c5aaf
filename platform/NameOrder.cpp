#include "platform/NameOrder.h"

namespace platform::nameOrder {

bool less(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t upperA = a[i].toUpper().unicode();
        const char16_t upperB = b[i].toUpper().unicode();
        if (upperA != upperB)
            return upperA < upperB;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a.compare(b) < 0;
}

} // namespace platform::nameOrder
