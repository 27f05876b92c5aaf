#include "common/Val.h"

#include "automation/NumericText.h"

namespace common {

double Val(const QString& text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    return automation::numericText::parseLeading(compact);
}

} // namespace common
