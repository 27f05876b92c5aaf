#include "grid/GridText.h"

#include "grid/LateBoundObject.h"

namespace grid {

namespace {

QString mappedByCodePoint(const QString& text, bool upper)
{
    QList<uint> characters = text.toUcs4();
    for (uint& character : characters)
        character = upper ? QChar::toUpper(character) : QChar::toLower(character);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
}

// Case mapped one character at a time: a character whose full mapping is longer (ß, ŉ) keeps
// its own single mapping, as the runtime's UCase and LCase do. In place, in the text's own
// units, while a mapping keeps its character's length: a command maps every selected cell.
QString mapped(const QString& text, bool upper)
{
    QString result = text;
    char16_t* units = reinterpret_cast<char16_t*>(result.data());
    for (qsizetype i = 0; i < result.size(); ++i) {
        const bool pair =
            QChar::isHighSurrogate(units[i]) && i + 1 < result.size() && QChar::isLowSurrogate(units[i + 1]);
        const char32_t character = pair ? QChar::surrogateToUcs4(units[i], units[i + 1]) : units[i];
        const char32_t mappedCharacter = upper ? QChar::toUpper(character) : QChar::toLower(character);
        if (QChar::requiresSurrogates(mappedCharacter) != pair)
            return mappedByCodePoint(text, upper);
        if (pair) {
            units[i] = QChar::highSurrogate(mappedCharacter);
            units[++i] = QChar::lowSurrogate(mappedCharacter);
        } else {
            units[i] = char16_t(mappedCharacter);
        }
    }
    return result;
}

} // namespace

std::int16_t CountText(const QString& text, const QString& part)
{
    if (part.isEmpty())
        return 0;
    std::int32_t count = 0;
    for (qsizetype found = text.indexOf(part); found >= 0; found = text.indexOf(part, found + 1))
        count = toInteger(count + std::int32_t(part.size()));
    return std::int16_t(count);
}

QString CapitalizeText(const QString& s)
{
    if (s.isEmpty())
        return s;
    const qsizetype firstLength = s.at(0).isHighSurrogate() && s.size() > 1 ? 2 : 1;
    return mapped(s.left(firstLength), true) + mapped(s.mid(firstLength), false);
}

QString trimmedBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString formattedText(const QString& text, int formatType)
{
    switch (formatType) {
    case 1:
        return mapped(text, true);
    case 2:
        return mapped(text, false);
    case 3:
        return CapitalizeText(text);
    case 4:
        return QString();
    case 5:
        return trimmedBlanks(text);
    default:
        return text;
    }
}

} // namespace grid
