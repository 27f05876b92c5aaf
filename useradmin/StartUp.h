#pragma once

#include <QString>

namespace interaction {
class ErrorLog;
}

namespace useradmin {

class FrmMain;

// Whether the program was started by the main card editor: its command line is the one word
// "Tramex", blanks (spaces) around it ignored, its case kept.
bool startedByTramex(const QString& commandLine);

// "Tramex Config.mdb" in the folder "TxtPathTramexCFG" of "TramexHardConfig.ini" names (which
// ends with "\"), or in the program's folder when that is empty.
QString configDatabasePath();

// The error log "Tramex.log" in the program's folder, with the user name of the workstation.
interaction::ErrorLog programErrorLog();

// The program's start: a command line other than "Tramex" is told to the user and nothing opens
// (nullptr); otherwise the window opens modeless on the configuration database.
FrmMain* startUp(const QString& commandLine);

} // namespace useradmin
