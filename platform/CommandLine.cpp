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
        // Candidate ends: the first blank of every run of blanks, and the end of the line.
        QList<qsizetype> ends;
        for (qsizetype end = 1; end <= text.size(); ++end) {
            if (end == text.size() || (isBlank(text[end]) && !isBlank(text[end - 1])))
                ends.append(end);
        }
        if (auto found = windowsPath::longestProgramPrefix(text, ends)) {
            m_program = std::move(found->hostPath);
            if (found->length < text.size())
                m_argument = text.sliced(found->length + 1).toString();
        }
    }
    if (m_program.isEmpty())
        throw RuntimeError(53);
}

} // namespace platform
