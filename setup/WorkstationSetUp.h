#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace setup {

// Lays out a user's workstation in a host folder, or brings an existing one up to date without
// touching what the user set: drives.ini (C: and the host's root Z:), the Windows folder with the
// shared INI files' missing defaults, the suite's programs on "C:\Tramex\" and its components
// registered from where they are installed.
class WorkstationSetUp {
public:
    enum class ProgramEntries { Copies, Links };

    // Programs come from programFolder, components from componentFolder (the same folder in a
    // build, lib/tramex beside bin in an installation). Copies keep a workstation working while the
    // build changes; links follow the installed programs through upgrades.
    WorkstationSetUp(QString root, QString programFolder, QString componentFolder, ProgramEntries entries);

    static const QString InstallFolder; // "C:\Tramex\"

    // Switches the process to the workstation (platform::Workstation::use) and lays it out.
    void layOut();

    // The component folder of an installation whose programs are in programFolder.
    static QString componentFolderBeside(const QString& programFolder);

private:
    void writeSettings();
    void installPrograms();
    void install(const QString& folder, const std::function<bool(const QString&)>& wanted);
    void registerComponents();

    QString m_root;
    QString m_programFolder;
    QString m_componentFolder;
    ProgramEntries m_entries;
};

} // namespace setup
