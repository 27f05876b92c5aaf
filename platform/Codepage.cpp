#include "platform/Codepage.h"

#include <array>

namespace platform::codepage {

namespace {

// 0x80-0x9F; the five bytes the code page leaves unassigned map to the C1 controls of the
// same value, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byteFor(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return char(codePoint);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == codePoint)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString toUnicode(const QByteArray& ansi)
{
    QString text(ansi.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(highControls[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

QByteArray fromUnicode(const QString& text)
{
    QByteArray ansi;
    ansi.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            ansi.append('?');
        } else if (c.isSurrogate()) {
            ansi.append('?');
        } else {
            ansi.append(byteFor(c.unicode()));
        }
    }
    return ansi;
}

bool holds(const QString& text)
{
    return toUnicode(fromUnicode(text)) == text;
}

} // namespace platform::codepage
