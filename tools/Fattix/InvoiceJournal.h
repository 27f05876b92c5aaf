#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What the invoicing stand-in does with a card key: it finds the card in the archive the explorer
// named in "Tramex.ini" ("Impostazioni"/"Database corrente") and journals it, one line per card,
// in "Fatture.txt" beside the program: date and time, archive, key, collection, garment,
// tab-separated, Windows-1252, CR LF. A card it cannot read is journaled with the reason in place
// of the collection and an empty garment.
namespace fattix {

struct JournalEntry {
    QString archive;
    QString key;
    bool found = false;
    QString collection; // the reason when the card was not found
    QString garment;
};

// The card archive folder as the explorer uses it: "Generale"/"TxtPathDatabase" of
// "TramexHardConfig.ini", overridden by the same key of "Schedex.ini" when that has one.
QString cardArchiveFolder();

// "Impostazioni"/"Database corrente" of "Tramex.ini"; empty when absent.
QString currentArchive();

// Looks the card up in archive (a name in the card archive folder). Never raises: an archive that
// cannot be read gives an entry that is not found, with the reason.
JournalEntry lookUpCard(const QString& archive, const QString& key);

QByteArray journalLine(const QDateTime& when, const JournalEntry& entry);

// Appends the line to the journal file at the host path, creating the file when absent.
void appendToJournal(const QString& hostPath, const QByteArray& line);

} // namespace fattix
