#pragma once

#include <QProcess>
#include <QString>

// An X server of the test program's own: Xvfb on a free display number, without a window
// manager, stopped with the object.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool isInstalled() const { return m_installed; }
    bool isRunning() const { return !m_name.isEmpty(); }
    // ":N"
    QString name() const { return m_name; }
    // Why it is not running.
    QString problem() const { return m_problem; }

private:
    QProcess m_server;
    QString m_name;
    QString m_problem;
    bool m_installed = false;
};
