#pragma once

#include <QString>
#include <QStringList>

#include "tests/support/CardArchives.h"
#include "tests/support/ExplorerWorkstation.h"

namespace explorer {
class FrmExplorer;
}

// An explorer workstation for the maintenance, configuration and invoicing tests: the card
// archive folder C:\Schede\ named in "TramexHardConfig.ini", the program running from C:\Tramex,
// where stand-ins for its outside programs can be put.
class MaintenanceWorkstation : public ExplorerWorkstation {
public:
    static inline const QString programFolder = QStringLiteral("C:\\Tramex");

    MaintenanceWorkstation();

    // A card archive in the archive folder with a Modelli row per key, its descriptions made
    // from the key ("Collezione K", "Capo K", ...).
    static void makeArchive(const QString& name, const QStringList& keys = {})
    {
        CardArchives::createWithKeys(name, keys);
    }
    static bool archiveExists(const QString& name) { return fileExists(CardArchives::path(name)); }
    static QStringList cardsOf(const QString& name)
    {
        return CardArchives::values(CardArchives::path(name),
                                    QStringLiteral("SELECT PCMTV FROM Modelli ORDER BY PCMTV"));
    }

    // A stand-in for an outside program in the program folder, under `fileName`: it appends
    // "begin ARGUMENT" to the file fileName + ".calls" beside it, pauses a tenth of a second and
    // appends "end ARGUMENT", so that the calls show their order and whether each was waited for.
    static void installRecorder(const QString& fileName);
    static QStringList recordedCalls(const QString& fileName);
    // A link to a program of the build in the program folder, under `fileName`.
    static void installBuiltProgram(const QString& builtName, const QString& fileName);

    // Starts the explorer as the program does and waits until its window is shown.
    static explorer::FrmExplorer* openExplorer();
};
