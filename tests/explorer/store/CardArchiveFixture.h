#pragma once

#include <QStringList>

#include "explorer/store/ExplorerState.h"
#include "tests/support/ExplorerWorkstation.h"
#include "tests/support/StoreTest.h"

// A store test on an explorer workstation: the card archive folder is the explorer's
// DatabaseFolder, the seams are scripted (the prompter behind a hook) and the explorer state is
// put back afterwards.
class CardArchiveFixture : public StoreTest {
protected:
    CardArchiveFixture();

    // A card with `pieces` piece rows and `markers` marker rows, its collection as given.
    static void addCardRows(const QString& archivePath, const QString& key, int pieces, int markers,
                            const QString& collection = QStringLiteral("Primavera"));
    // PCMTV of every row of the table, sorted.
    static QStringList keysIn(const QString& archivePath, const QString& table)
    {
        return CardArchives::keysIn(archivePath, table);
    }
    // The Modelli row of key as "collection|variant|garment|base size|sizes"; empty when none.
    static QString headerOf(const QString& archivePath, const QString& key);

    // Makes the archive the one the explorer has open.
    static void openArchive(const QString& name) { store::explorerState().CurrentArchive = name; }

    ExplorerWorkstation& m_seams;
    HookedPrompter& m_hook;
};
