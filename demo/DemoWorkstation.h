#pragma once

#include <QString>

namespace demo {

// Lays out the embedded demo workstation in a host folder, or brings an existing one up to date
// without touching its data: drives, the Windows folder with the suite's INI files, the programs
// installed into "C:\Tramex\" and the components registered there, the stand-in for Accumark's dump
// utility and two Accumark storage areas.
class DemoWorkstation {
public:
    DemoWorkstation(QString root, QString programFolder);

    void layOut();

private:
    void writeDrives();
    void writeSettings();
    void installPrograms();
    void installDumpUtility();
    void registerComponents();

    QString m_root;
    QString m_programFolder;
};

} // namespace demo
