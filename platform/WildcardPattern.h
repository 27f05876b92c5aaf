#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace platform {

// A file-name pattern matched the way Windows listings match it, ignoring case: "*" any run of
// characters, "?" one character (or none at a dot or at the end of the name), "*." before an
// extension stops at the name's last dot, and a "." before "*", "?" or the end also matches the
// end of a name without one; so "*.*" matches every name and "*." the names without a dot.
class WildcardPattern {
public:
    explicit WildcardPattern(QStringView pattern);

    bool matches(QStringView name) const;

private:
    enum class Kind { Literal, AnyRun, RunToLastDot, OneOrNone, DotOrEnd };
    struct Token {
        Kind kind;
        QChar literal;
    };

    QList<Token> m_tokens;
};

} // namespace platform
