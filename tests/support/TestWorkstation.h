#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh workstation in a temporary folder, made the process's own: its drives (the platform's
// default layout, or the drives.ini a test gives), its INI files, components registered from the
// build, and the build's programs found. Failures to set it up raise std::runtime_error. The
// current folder is put back when it goes.
class TestWorkstation {
public:
    // No drives.ini gives the platform's default layout.
    explicit TestWorkstation(const QByteArray& drivesIni = {});
    virtual ~TestWorkstation();
    TestWorkstation(const TestWorkstation&) = delete;
    TestWorkstation& operator=(const TestWorkstation&) = delete;

    QString root() const { return m_root.path(); }
    // A host path below the root: inRoot("drive_c/a.txt").
    QString inRoot(const QString& relative) const;
    // Writes drives.ini anew and makes the workstation the process's own again.
    void writeDrives(const QByteArray& drivesIni) const;
    // A removable drive is ready once its folder exists; taking the disk out removes the folder
    // with everything on it.
    void insertDisk(QChar letter) const;
    void ejectDisk(QChar letter) const;
    // Makes the process's current folder the host folder given.
    void enter(const QString& hostFolder) const;
    QString registryText() const;

    static QString hostPath(const QString& windowsPath);
    static void makeFolder(const QString& windowsPath);
    static void writeFile(const QString& windowsPath, const QByteArray& bytes = {});
    static QByteArray readFile(const QString& windowsPath);
    static bool fileExists(const QString& windowsPath);

    static void makeHostFolder(const QString& hostPath);
    static void writeHostFile(const QString& hostPath, const QByteArray& bytes = {});
    // The file's bytes; "<missing>" when it cannot be read.
    static QByteArray readHostFile(const QString& hostPath);

    // INI files named as the programs name them (a bare name lives in the Windows folder). An
    // empty value is written as "key=".
    static void writeIni(const QString& file, const QString& section, const QString& key, const QString& value);
    static std::optional<QString> readIni(const QString& file, const QString& section, const QString& key);

    // The host path of a program or library of the build (TRAMEX_BIN_DIR, else the test
    // program's own folder, which the build shares with them).
    static QString builtProgram(const QString& name);
    // Registers a component library of the build ("Utilex4.dll") in the workstation's registry.
    static void registerBuilt(const QString& library);

private:
    QTemporaryDir m_root;
    QString m_previousFolder;
};
