#include "interaction/SingleText.h"

#include "automation/NumericText.h"

namespace interaction {

QString singleText(float value)
{
    QString text = automation::numericText::format(double(value), 7);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

} // namespace interaction
