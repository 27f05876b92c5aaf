#pragma once

#include <QProcess>
#include <QString>

// Another process (store_lock_holder, built beside the tests) holding a database of the current
// workstation open until it is destroyed or killed.
class LockHolder {
public:
    // mode: "shared", "exclusive", "readonly" (shared and read-only) or "churn" (keeps writing rows).
    LockHolder(const QString& windowsPath, const QString& mode);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // The holder's first line: "open" once the database is open, "error N" when the open failed.
    QString status() const { return m_status; }
    void kill();

private:
    QProcess m_process;
    QString m_status;
};
