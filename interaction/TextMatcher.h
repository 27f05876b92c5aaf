#pragma once

#include <functional>

#include <QRegularExpression>
#include <QString>

namespace interaction {

// What a scripted answer expects of a prompt's text: the exact text unless said otherwise.
class TextMatcher {
public:
    TextMatcher(const QString& exact);
    TextMatcher(const char* exact);

    static TextMatcher any();
    static TextMatcher contains(const QString& part);
    static TextMatcher startsWith(const QString& start);
    static TextMatcher matches(const QRegularExpression& pattern);

    bool operator()(const QString& text) const { return m_test(text); }
    // For failure messages: what the matcher expects.
    QString description() const { return m_description; }

private:
    TextMatcher(std::function<bool(const QString&)> test, QString description);

    std::function<bool(const QString&)> m_test;
    QString m_description;
};

} // namespace interaction
