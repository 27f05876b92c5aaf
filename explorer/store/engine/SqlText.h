#pragma once

#include <QString>

namespace store {

// A text as it stands in a statement: between apostrophes, each apostrophe inside doubled, so a
// card key or a login can never end the literal early and change the statement.
QString sqlText(const QString& value);

} // namespace store
