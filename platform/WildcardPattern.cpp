#include "platform/WildcardPattern.h"

#include <vector>

namespace platform {

WildcardPattern::WildcardPattern(QStringView pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        if (c == u'*')
            m_tokens.append(Token{next == u'.' ? Kind::RunToLastDot : Kind::AnyRun, {}});
        else if (c == u'?')
            m_tokens.append(Token{Kind::OneOrNone, {}});
        else if (c == u'.' && (next.isNull() || next == u'*' || next == u'?'))
            m_tokens.append(Token{Kind::DotOrEnd, {}});
        else
            m_tokens.append(Token{Kind::Literal, c.toCaseFolded()});
    }
}

bool WildcardPattern::matches(QStringView name) const
{
    const qsizetype tokens = m_tokens.size();
    const qsizetype length = name.size();
    const qsizetype lastDot = name.lastIndexOf(u'.');
    // can[t][n]: the tokens from t on match the name from n on.
    std::vector<std::vector<bool>> can(std::size_t(tokens + 1), std::vector<bool>(std::size_t(length + 1), false));
    can[std::size_t(tokens)][std::size_t(length)] = true;
    for (qsizetype t = tokens - 1; t >= 0; --t) {
        const Token& token = m_tokens[t];
        auto& row = can[std::size_t(t)];
        const auto& next = can[std::size_t(t + 1)];
        for (qsizetype n = length; n >= 0; --n) {
            const auto at = std::size_t(n);
            const bool more = n < length;
            switch (token.kind) {
            case Kind::Literal:
                row[at] = more && name[n].toCaseFolded() == token.literal && next[at + 1];
                break;
            case Kind::AnyRun:
                row[at] = next[at] || (more && row[at + 1]);
                break;
            case Kind::RunToLastDot:
                row[at] = next[at] || (more && n != lastDot && row[at + 1]);
                break;
            case Kind::OneOrNone:
                row[at] = (more && name[n] != u'.') ? next[at + 1] : next[at];
                break;
            case Kind::DotOrEnd:
                row[at] = more ? (name[n] == u'.' && next[at + 1]) : next[at];
                break;
            }
        }
    }
    return can[0][0];
}

} // namespace platform
