#pragma once

#include <QString>

namespace demo {

// Lays out the embedded demo workstation in a host folder, or brings an existing one up to date
// without touching its data: a user's workstation (setup::WorkstationSetUp) with copies of the
// built programs, a floppy A: and a D: inside it, sample archives and users on C:, the stand-in for
// Accumark's dump utility and two Accumark storage areas.
class DemoWorkstation {
public:
    DemoWorkstation(QString root, QString programFolder);

    void layOut();

private:
    void mapDrives();
    void writeSettings();
    void installDumpUtility();

    QString m_root;
    QString m_programFolder;
};

} // namespace demo
