#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bench {

// A fresh workstation for one benchmark run, made the process's own, with the card archive
// folder "C:\Tramex\Schede\". It lives in memory (/dev/shm) where the host has it: both sides
// of a figure would pay the disk's flush time alike, and on a slow disk that time would hide the
// work being measured.
class BenchWorkstation {
public:
    BenchWorkstation();

    static const QString archiveFolder;

    // "C:\Tramex\Schede\" + name + ".mdb", and the host path of the same file.
    static QString archive(const QString& name);
    static QString hostPath(const QString& windowsPath);

private:
    QTemporaryDir m_root;
};

} // namespace bench
