#pragma once

#include <QByteArray>
#include <QString>

#include "fuzz/AnsweringPrompter.h"
#include "tests/support/ExplorerWorkstation.h"

namespace fuzz {

// The explorer's world the checks run in, built once per process and gone with it: drives C
// and D, the removable E without a medium and Z on the host root (where the built Utilex is); the
// archive C:\Schede\PROVA.mdb, open in the explorer, holding the cards "K0" and "L1" with pieces
// and a marker; programs for command lines to find; and a prompter that gives up at every box.
class FuzzWorld : public ExplorerWorkstation {
public:
    static FuzzWorld& instance();

    static const QString archive;      // "C:\Schede\PROVA.mdb"
    static const QString importFolder; // "C:\Import\"

    // Puts the archive back as it was built, whatever a check did to it.
    void restoreArchive() const;
    QString archiveHostPath() const;

    AnsweringPrompter answers;

private:
    FuzzWorld();

    QByteArray m_pristineArchive;
};

} // namespace fuzz
