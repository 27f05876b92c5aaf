#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh workstation in a temporary folder with the default layout, made the process's own.
class TestWorkstation {
public:
    TestWorkstation();

    QString root() const { return m_folder.path(); }
    QString registryText() const;

    // Host path of a built program or library (in TRAMEX_BIN_DIR, else beside the test program).
    static QString binPath(const QString& name);

private:
    QTemporaryDir m_folder;
};
