#pragma once

#include "interaction/ScriptedKeyState.h"
#include "interaction/ScriptedPendingEvents.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"

#include <QString>
#include <QTemporaryDir>
#include <optional>

// One test's world: a fresh default workstation with Utilex4 registered, the program running as
// "Schedex" with a clean explorer state, and scripted seams. A prompt the script does not expect,
// or scripted answers left at the end, fail the test.
class ExplorerWorkstation {
public:
    ExplorerWorkstation();
    ~ExplorerWorkstation();
    ExplorerWorkstation(const ExplorerWorkstation&) = delete;
    ExplorerWorkstation& operator=(const ExplorerWorkstation&) = delete;

    // INI files are named as the programs name them (a bare name lives in the Windows folder).
    void writeIni(const QString& file, const QString& section, const QString& key, const QString& value) const;
    std::optional<QString> readIni(const QString& file, const QString& section, const QString& key) const;

    interaction::ScriptedPrompter prompter;
    interaction::ScriptedKeyState keys;
    interaction::ScriptedPendingEvents events;

private:
    QTemporaryDir m_root;
    interaction::Seams::Installation m_seams;
};
