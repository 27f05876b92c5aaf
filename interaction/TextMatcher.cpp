#include "interaction/TextMatcher.h"

#include <utility>

namespace interaction {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

TextMatcher::TextMatcher(std::function<bool(const QString&)> test, QString description)
    : m_test(std::move(test)), m_description(std::move(description))
{
}

TextMatcher::TextMatcher(const QString& exact)
    : TextMatcher([exact](const QString& text) { return text == exact; }, quoted(exact))
{
}

TextMatcher::TextMatcher(const char* exact) : TextMatcher(QString::fromUtf8(exact)) {}

TextMatcher TextMatcher::any()
{
    return TextMatcher([](const QString&) { return true; }, QStringLiteral("any text"));
}

TextMatcher TextMatcher::contains(const QString& part)
{
    return TextMatcher([part](const QString& text) { return text.contains(part); },
                       QStringLiteral("text containing ") + quoted(part));
}

TextMatcher TextMatcher::startsWith(const QString& start)
{
    return TextMatcher([start](const QString& text) { return text.startsWith(start); },
                       QStringLiteral("text starting with ") + quoted(start));
}

TextMatcher TextMatcher::matches(const QRegularExpression& pattern)
{
    return TextMatcher([pattern](const QString& text) { return pattern.match(text).hasMatch(); },
                       QStringLiteral("text matching /") + pattern.pattern() + QLatin1Char('/'));
}

} // namespace interaction
