#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh workstation made the process's own for one test: C: fixed, A: removable with no disk in it.
class UiWorkstation {
public:
    UiWorkstation();

    // Host path of a Windows path on the workstation.
    QString host(const QString& windowsPath) const;
    // A removable drive is ready once its folder exists.
    void insertDisk(QChar letter) const;
    void writeFile(const QString& windowsPath, const QByteArray& bytes = {}) const;

private:
    QTemporaryDir m_root;
};
