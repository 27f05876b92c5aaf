#pragma once

#include <ostream>

#include <QString>

#include "automation/Variant.h"

// Readable texts and values in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace automation {

inline void PrintTo(const Variant& value, std::ostream* out)
{
    if (!value.isArray()) {
        *out << value.displayText().toStdString();
        return;
    }
    *out << "(";
    for (const Variant& element : value.arrayData().elements)
        *out << '"' << element.displayText().toStdString() << "\" ";
    *out << ")";
}

} // namespace automation
