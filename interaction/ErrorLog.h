#pragma once

#include <functional>

#include <QDateTime>
#include <QString>

namespace interaction {

// The error log "Tramex.log" in the program's folder: one record per line, the text cut or
// padded to 60 characters, the first 10 characters of the user name, two blanks and the time
// stamp "dd/mm/yyyy hh:mm:ss", CR LF, Windows-1252. Each line opens, appends and closes the
// file. Writing never fails: whatever goes wrong only loses that part of the line.
class ErrorLog {
public:
    using UserName = std::function<QString()>;
    using Clock = std::function<QDateTime()>;

    static constexpr int TextWidth = 60;
    static constexpr int UserNameWidth = 10;

    // `folder` is the program's folder in Windows form ("C:\Tramex"). Without a clock of its
    // own the log takes the time from the installed clock seam.
    ErrorLog(const QString& folder, UserName userName, Clock clock = {});

    QString path() const { return m_path; }
    void WriteErrorLog(const QString& text) const;

private:
    QString m_path;
    UserName m_userName;
    Clock m_clock;
};

} // namespace interaction
