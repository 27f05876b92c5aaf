#pragma once

#include <QString>

namespace store {

// The engine's LIKE patterns: "*" any run of characters, "?" any one character, "#" one digit,
// "[abc]" / "[a-z]" one character of the list, "[!abc]" one character not in it; letters match
// ignoring case. It replaces SQLite's own like() on every connection.
class LikePattern {
public:
    static bool matches(const QString& text, const QString& pattern);
};

} // namespace store
