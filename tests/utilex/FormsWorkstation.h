#pragma once

#include "automation/DispatchObject.h"

#include <QString>
#include <QTemporaryDir>

// A fresh workstation for one window test of the form methods: drive C with the Windows folder,
// Utilex4 registered and created by class id, the Qt window system and screen installed for it.
class FormsWorkstation {
public:
    FormsWorkstation();
    ~FormsWorkstation();
    FormsWorkstation(const FormsWorkstation&) = delete;
    FormsWorkstation& operator=(const FormsWorkstation&) = delete;

    automation::DispatchObject& utilex() const { return *m_utilex; }
    // Host path of a Windows path on the workstation.
    QString host(const QString& windowsPath) const;
    void writeFile(const QString& windowsPath, const QByteArray& bytes) const;
    // The bytes of a file in the Windows folder, empty when it is missing.
    QByteArray windowsFile(const QString& name) const;

private:
    QTemporaryDir m_root;
    automation::ObjectRef m_utilex;
};
