#include "explorer/transfer/TextRules.h"

namespace transfer {

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

double numericValueOf(const QString& text)
{
    QString number;
    bool point = false;
    for (const QChar character : text) {
        if (character == u' ')
            continue;
        const bool signAllowed = number.isEmpty();
        if (character.isDigit() && character.unicode() < 128) {
            number.append(character);
        } else if ((character == u'+' || character == u'-') && signAllowed) {
            number.append(character);
        } else if (character == u'.' && !point) {
            point = true;
            number.append(character);
        } else {
            break;
        }
    }
    bool converted = false;
    const double value = number.toDouble(&converted);
    return converted ? value : 0.0;
}

} // namespace transfer
