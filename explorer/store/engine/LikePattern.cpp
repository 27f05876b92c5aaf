#include "explorer/store/engine/LikePattern.h"

namespace store {

namespace {

QChar folded(QChar character)
{
    return character.toCaseFolded();
}

// Matches one pattern element at pattern[p] against character c; advances p past the element.
// Returns false for a malformed list, which then matches nothing.
bool matchElement(const QString& pattern, qsizetype& p, QChar c, bool& matched)
{
    const QChar element = pattern.at(p);
    if (element == QLatin1Char('?')) {
        ++p;
        matched = true;
        return true;
    }
    if (element == QLatin1Char('#')) {
        ++p;
        matched = c.isDigit();
        return true;
    }
    if (element != QLatin1Char('[')) {
        ++p;
        matched = folded(element) == folded(c);
        return true;
    }
    qsizetype i = p + 1;
    const bool negated = i < pattern.size() && pattern.at(i) == QLatin1Char('!');
    if (negated)
        ++i;
    bool inList = false;
    bool first = true;
    while (i < pattern.size() && (first || pattern.at(i) != QLatin1Char(']'))) {
        first = false;
        const QChar low = pattern.at(i);
        if (i + 2 < pattern.size() && pattern.at(i + 1) == QLatin1Char('-') && pattern.at(i + 2) != QLatin1Char(']')) {
            const QChar high = pattern.at(i + 2);
            if (folded(c) >= folded(low) && folded(c) <= folded(high))
                inList = true;
            i += 3;
        } else {
            if (folded(c) == folded(low))
                inList = true;
            ++i;
        }
    }
    if (i >= pattern.size())
        return false;
    p = i + 1;
    matched = inList != negated;
    return true;
}

} // namespace

bool LikePattern::matches(const QString& text, const QString& pattern)
{
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starPattern = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starPattern = ++p;
            starText = t;
            continue;
        }
        if (p < pattern.size()) {
            qsizetype next = p;
            bool matched = false;
            if (!matchElement(pattern, next, text.at(t), matched))
                return false;
            if (matched) {
                p = next;
                ++t;
                continue;
            }
        }
        if (starPattern < 0)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace store
