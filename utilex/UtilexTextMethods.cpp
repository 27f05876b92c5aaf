#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

using platform::RuntimeError;

// The runtime's strings count their bytes in a signed 32-bit word.
constexpr qint64 longestString = std::numeric_limits<std::int32_t>::max() / 2;

// Length of the character that starts at index: two units for a surrogate pair.
qsizetype characterLength(const QString& text, qsizetype index)
{
    return index + 1 < text.size() && text[index].isHighSurrogate() && text[index + 1].isLowSurrogate() ? 2 : 1;
}

// The runtime maps case one character at a time, so a text keeps its length ("ß" stays "ß"
// where the full mapping would give "SS").
QString mappedCase(char32_t character, bool upper, qsizetype length)
{
    const char32_t mapped = upper ? QChar::toUpper(character) : QChar::toLower(character);
    const char32_t kept = QChar::requiresSurrogates(mapped) == (length == 2) ? mapped : character;
    return QString::fromUcs4(&kept, 1);
}

} // namespace

QString UtilexClassObject::LeftString(QString& Stringa, QString& Carattere)
{
    const qsizetype at = Stringa.indexOf(Carattere);
    return at < 0 ? Stringa : Stringa.left(at);
}

QString UtilexClassObject::RightString(QString& Stringa, QString& Carattere, Boolean& PartoDallInizio)
{
    if (PartoDallInizio != automation::False) {
        const qsizetype at = Stringa.indexOf(Carattere);
        if (at < 0)
            return Stringa;
        // At most length - position characters, the position counted from 1.
        return Stringa.mid(at + Carattere.size(), std::max<qsizetype>(Stringa.size() - (at + 1), 0));
    }
    // The backward scan compares one character with the whole separator: only a single
    // character can ever match.
    if (Carattere.size() != 1)
        return Stringa;
    const qsizetype at = Stringa.lastIndexOf(Carattere.front());
    return at < 0 ? Stringa : Stringa.mid(at + 1);
}

Variant UtilexClassObject::MySplit(QString& StringToSplit, QString& Separa)
{
    QList<Variant> pieces;
    const qsizetype length = StringToSplit.size();
    qsizetype start = 0;
    for (;;) {
        qsizetype at = StringToSplit.indexOf(Separa, start);
        if (at < 0)
            at = length;
        pieces.append(Variant(StringToSplit.mid(start, at - start)));
        if (at == length)
            break;
        // The next piece starts one character after the separator's first character.
        start = at + 1;
    }
    return Variant::array(pieces, 1);
}

Variant UtilexClassObject::Split(QString& StringToSplit, QString& Separa)
{
    return MySplit(StringToSplit, Separa);
}

Variant UtilexClassObject::TogliCarattere(QString& Stringa, QString& Carattere)
{
    if (Carattere.isEmpty())
        return Variant(Stringa);
    for (const QChar character : Carattere)
        Stringa.remove(character);
    return Variant(Stringa);
}

std::int16_t UtilexClassObject::QuanteVolte(QString& TmpString, QString& CarTemp)
{
    qint64 sum = 0;
    qsizetype at = TmpString.indexOf(CarTemp);
    while (at >= 0) {
        sum += CarTemp.size();
        if (sum > std::numeric_limits<std::int16_t>::max())
            throw RuntimeError(platform::Overflow);
        at = TmpString.indexOf(CarTemp, at + 1);
    }
    return static_cast<std::int16_t>(sum);
}

Variant UtilexClassObject::Replicate(QString& Carattere, std::int32_t& NumeroVolte)
{
    if (NumeroVolte < 1 || Carattere.isEmpty())
        return Variant(QString());
    if (qint64(Carattere.size()) * NumeroVolte > longestString)
        throw RuntimeError(platform::OutOfStringSpace, QString::fromUtf16(u"Out of string space"));
    try {
        return Variant(Carattere.repeated(NumeroVolte));
    } catch (const std::bad_alloc&) {
        throw RuntimeError(platform::OutOfMemory);
    }
}

// Surrogate pairs stay in order so that the reversed text is valid UTF-16.
QString UtilexClassObject::ReverseString(QString& Stringa)
{
    QString reversed;
    reversed.reserve(Stringa.size());
    qsizetype end = Stringa.size();
    while (end > 0) {
        qsizetype start = end - 1;
        if (start > 0 && Stringa[start].isLowSurrogate() && Stringa[start - 1].isHighSurrogate())
            --start;
        reversed.append(QStringView(Stringa).mid(start, end - start));
        end = start;
    }
    return reversed;
}

QString UtilexClassObject::Capitalize(QString& Varia)
{
    QString result;
    result.reserve(Varia.size());
    for (qsizetype index = 0; index < Varia.size();) {
        const qsizetype length = characterLength(Varia, index);
        const char32_t character =
            length == 2 ? QChar::surrogateToUcs4(Varia[index], Varia[index + 1]) : char32_t(Varia[index].unicode());
        result += mappedCase(character, index == 0, length);
        index += length;
    }
    return result;
}

QString UtilexClassObject::InsStr(QString& StringMain, QString& StringToIns, std::int16_t& Pos)
{
    if (Pos < 1)
        throw RuntimeError(platform::InvalidProcedureCall);
    if (Pos > StringMain.size())
        return StringMain + StringToIns;
    return StringMain.left(Pos - 1) + StringToIns + StringMain.mid(Pos - 1);
}

} // namespace utilex
