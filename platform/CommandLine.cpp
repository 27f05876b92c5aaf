#include "platform/CommandLine.h"

#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace platform {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

CommandLine::CommandLine(const QString& line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    const QStringView text = QStringView(line).sliced(start);

    if (text.startsWith(u'"')) {
        const qsizetype closing = text.indexOf(u'"', 1);
        const QStringView program = closing < 0 ? text.sliced(1) : text.sliced(1, closing - 1);
        m_program = windowsPath::resolveProgram(program.toString());
        if (closing >= 0) {
            qsizetype rest = closing + 1;
            if (rest < text.size() && isBlank(text[rest]))
                ++rest;
            m_argument = text.sliced(rest).toString();
        }
    } else {
        // Candidate ends: the end of the line and the first blank of every run of blanks.
        for (qsizetype end = text.size(); end > 0 && m_program.isEmpty(); --end) {
            if (end < text.size() && (!isBlank(text[end]) || isBlank(text[end - 1])))
                continue;
            m_program = windowsPath::resolveProgram(text.first(end).toString());
            if (!m_program.isEmpty() && end < text.size())
                m_argument = text.sliced(end + 1).toString();
        }
    }
    if (m_program.isEmpty())
        throw RuntimeError(53);
}

} // namespace platform
