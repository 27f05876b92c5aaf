#include "interaction/ErrorLog.h"

#include <utility>

#include "interaction/Clock.h"
#include "interaction/Seams.h"
#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"

namespace interaction {

ErrorLog::ErrorLog(const QString& folder, UserName userName, Clock clock)
    : m_path(folder + (folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\")) +
             QStringLiteral("Tramex.log")),
      m_userName(std::move(userName)), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return Seams::clock().now(); };
}

void ErrorLog::WriteErrorLog(const QString& text) const
{
    QString line = text.left(TextWidth).leftJustified(TextWidth, QLatin1Char(' '));
    try {
        line += m_userName().left(UserNameWidth);
    } catch (const platform::RuntimeError&) {
    }
    line += QStringLiteral("  ") + m_clock().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QStringLiteral("\r\n");
    try {
        platform::files::append(m_path, platform::codepage::fromUnicode(line));
    } catch (const platform::RuntimeError&) {
    }
}

} // namespace interaction
