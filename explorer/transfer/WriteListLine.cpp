#include "explorer/transfer/WriteListLine.h"

#include "explorer/transfer/TextRules.h"
#include "platform/Codepage.h"

namespace transfer {

void WriteListLine::separate()
{
    if (!m_bytes.isEmpty())
        m_bytes.append(',');
}

WriteListLine& WriteListLine::text(const QString& value)
{
    separate();
    m_bytes.append('"').append(platform::codepage::fromUnicode(value)).append('"');
    return *this;
}

WriteListLine& WriteListLine::number(const automation::Variant& value)
{
    separate();
    m_bytes.append(value.toString().toLatin1());
    return *this;
}

WriteListLine& WriteListLine::value(const automation::Variant& value)
{
    switch (value.type()) {
    case automation::VarType::Null:
        return text(QString());
    case automation::VarType::Integer:
    case automation::VarType::Long:
    case automation::VarType::Single:
    case automation::VarType::Double:
    case automation::VarType::Byte:
        return number(value);
    default:
        return text(value.toString());
    }
}

WriteListLine& WriteListLine::pieceCount(const automation::Variant& value)
{
    if (value.isNull() || value.toDouble() == 0.0)
        return text(QString());
    return text(trimBlanks(value.toString()));
}

} // namespace transfer
