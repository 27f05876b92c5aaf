#pragma once

#include <optional>

#include <QChar>
#include <QList>
#include <QString>

namespace platform {

// Values as the platform's drive-type query returns them.
enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

struct Drive {
    QChar letter;       // upper case
    QString hostFolder; // absolute host folder that holds the drive's contents
    DriveType type = DriveType::Fixed;
    std::optional<qint64> capacity; // caps the reported size and free space
    std::optional<quint32> serial;  // volume serial; derived from the drive when absent
    QString label;
};

// The workstation root: a host folder laid out with drives.ini, registry.ini and the drives'
// folders. One per process, chosen by TRAMEX_WORKSTATION unless a program says otherwise.
class Workstation {
public:
    // The process's workstation, opened (and laid out when new) at first use.
    static Workstation& current();
    // Switches the process to the workstation in rootFolder (tools' --workstation, tests), laid
    // out first when it has no drives.ini. References to the previous one become invalid.
    static void use(const QString& rootFolder);
    // $TRAMEX_WORKSTATION, else $XDG_DATA_HOME/tramex/workstation.
    static QString defaultRoot();
    // Writes the default drives.ini into rootFolder when it has none, and creates the drive folders.
    static void layOutDefault(const QString& rootFolder);

    explicit Workstation(const QString& rootFolder);

    QString root() const { return m_root; }
    QString registryFile() const; // host path of registry.ini

    QList<Drive> drives() const { return m_drives; }
    std::optional<Drive> drive(QChar letter) const;
    // A removable drive is ready when its folder exists; other drives when they are mapped.
    bool isReady(QChar letter) const;

    QString windowsDir() const; // e.g. "C:\WINDOWS", no trailing "\"
    QString systemDir() const;  // windowsDir + "\SYSTEM32"
    QString tempDir() const;    // ends with "\", created on demand
    QString userName() const;
    QString computerName() const;

private:
    void load();

    QString m_root;
    QList<Drive> m_drives;
    QString m_windowsDir;
    QString m_tempDir;
    QString m_userName;
    QString m_computerName;
};

} // namespace platform
