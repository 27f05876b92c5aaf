#include "explorer/transfer/InputFieldReader.h"

#include <utility>

#include "automation/Variant.h"
#include "platform/Codepage.h"
#include "platform/ErrorNumber.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"

namespace transfer {

InputFieldReader::InputFieldReader(QString text) : m_text(std::move(text)) {}

InputFieldReader InputFieldReader::open(const QString& windowsPath)
{
    return InputFieldReader(platform::codepage::toUnicode(platform::files::readAll(windowsPath)));
}

bool InputFieldReader::atLineEnd() const
{
    const QChar character = m_text[m_position];
    return character == u'\r' || character == u'\n';
}

// Consumes the comma or the line end that closes a field.
void InputFieldReader::skipDelimiter()
{
    if (atEnd())
        return;
    if (m_text[m_position] == u',') {
        ++m_position;
        return;
    }
    if (m_text[m_position] == u'\r') {
        ++m_position;
        if (!atEnd() && m_text[m_position] == u'\n')
            ++m_position;
        return;
    }
    if (m_text[m_position] == u'\n')
        ++m_position;
}

QString InputFieldReader::readField()
{
    while (!atEnd() && m_text[m_position] == u' ')
        ++m_position;
    if (atEnd())
        throw platform::RuntimeError(platform::InputPastEndOfFile);

    QString field;
    if (m_text[m_position] == u'"') {
        const qsizetype start = m_position + 1;
        qsizetype closing = m_text.indexOf(u'"', start);
        if (closing < 0)
            closing = m_text.size();
        field = m_text.mid(start, closing - start);
        m_position = closing + 1;
        while (!atEnd() && m_text[m_position] != u',' && !atLineEnd())
            ++m_position;
    } else {
        const qsizetype start = m_position;
        while (!atEnd() && m_text[m_position] != u',' && !atLineEnd())
            ++m_position;
        field = m_text.mid(start, m_position - start);
    }
    skipDelimiter();
    return field;
}

std::int16_t InputFieldReader::readInteger()
{
    return automation::Variant(readField()).toInteger();
}

QString InputFieldReader::readLine()
{
    if (atEnd())
        throw platform::RuntimeError(platform::InputPastEndOfFile);
    const qsizetype start = m_position;
    while (!atEnd() && !atLineEnd())
        ++m_position;
    const QString line = m_text.mid(start, m_position - start);
    skipDelimiter();
    return line;
}

} // namespace transfer
