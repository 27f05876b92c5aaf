#pragma once

#include <QByteArray>
#include <QString>

#include "automation/Variant.h"

namespace transfer {

// One line of the runtime's Write # statement, in the workstation's code page: fields separated
// by commas, texts between double quotes as they are (a quote inside is not doubled), numbers
// bare with a point as decimal separator, Null as "".
class WriteListLine {
public:
    WriteListLine& text(const QString& value);
    WriteListLine& number(const automation::Variant& value);
    // A column's value with its own type.
    WriteListLine& value(const automation::Variant& value);
    // Digit and RuotaX: "" for Null and 0, else the value as text, between quotes.
    WriteListLine& pieceCount(const automation::Variant& value);

    const QByteArray& bytes() const { return m_bytes; }

private:
    void separate();

    QByteArray m_bytes;
};

} // namespace transfer
