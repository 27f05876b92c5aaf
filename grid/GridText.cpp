#include "grid/GridText.h"

#include "grid/LateBoundObject.h"

namespace grid {

namespace {

// Case mapped one character at a time: a character whose full mapping is longer (ß, ŉ) keeps
// its own single mapping, as the runtime's UCase and LCase do.
QString mapped(const QString& text, bool upper)
{
    QList<uint> characters = text.toUcs4();
    for (uint& character : characters)
        character = upper ? QChar::toUpper(character) : QChar::toLower(character);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
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
