#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "tests/support/ScriptedSeams.h"
#include "tests/support/TestWorkstation.h"

namespace backup {
class FrmOne;
}

// Salvix's world in a test: C: fixed, A: a 1.44 MB floppy drive (capacity 1,457,664 bytes), B: a
// removable drive without capacity, D: a second fixed drive; the program runs as "Salvix" from
// C:\Tramex with its card archives in C:\Tramex\Schede\ (named in "TramexHardConfig.ini"), Utilex4
// and the compression component's test double registered, and scripted seams.
// The floppy disks are host folders that insertDisk swaps into A:.
class BackupWorld : public TestWorkstation, public ScriptedSeams {
public:
    static inline const QString programFolder = QStringLiteral("C:\\Tramex");
    static inline const QString archiveFolder = QStringLiteral("C:\\Tramex\\Schede\\");

    BackupWorld();
    ~BackupWorld() override;

    // A card archive in the archive folder holding `bytes` (its contents made from its name).
    static void makeArchive(const QString& name, qint64 bytes);
    static void removeFile(const QString& windowsPath);
    // The platform's temporary folder, ending in "\".
    static QString temporaryFolder();
    // The size to give one archive so that the double's "Salvix.zip" of it alone is `archiveBytes`.
    static qint64 sizeForArchiveOf(const QString& name, qint64 archiveBytes);

    // Puts the floppy disk `label` into A:, taking out the one there; a new label is a blank disk.
    void insertDisk(const QString& label);
    void ejectDisk();
    // The names of the files on a disk, inserted or not.
    QStringList filesOnDisk(const QString& label) const;
    QString currentDisk() const { return m_currentDisk; }

    // The window as the program opens it.
    std::unique_ptr<backup::FrmOne> openWindow() const;

private:
    QString diskFolder(const QString& label) const;

    QString m_currentDisk;
};
