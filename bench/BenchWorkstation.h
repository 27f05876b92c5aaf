#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bench {

// A fresh workstation for one benchmark run, made the process's own, with the card archive
// folder "C:\Tramex\Schede\". It lives in the folder TRAMEX_BENCH_DIR names, to measure on a
// disk; else in memory (/dev/shm) where the host has it, where a sync costs nothing and the work
// itself is measured (the syncs are counted instead).
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
