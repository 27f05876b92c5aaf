#include "tools/Fattix/InvoiceJournal.h"

#include <QFile>

#include "common/SharedIni.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "platform/Codepage.h"
#include "platform/Profile.h"
#include "platform/RuntimeError.h"

namespace fattix {

namespace {

QString textOf(const store::Recordset& header, const QString& field)
{
    const automation::Variant value = header.Fields(field).Value();
    return value.isNull() ? QString() : value.toString();
}

// A tab or a line end inside a value would split the journal's columns or lines.
QString column(const QString& value)
{
    QString text = value;
    for (QChar& character : text) {
        if (character == u'\t' || character == u'\r' || character == u'\n')
            character = u' ';
    }
    return text;
}

} // namespace

QString read(const common::IniKey& key)
{
    return platform::profile::readString(key.section, key.name, key.defaultValue, key.file);
}

QString cardArchiveFolder()
{
    using common::sharedIni::DatabaseFolder;
    return read(DatabaseFolder.in(common::sharedIni::Explorer).defaultingTo(read(DatabaseFolder)));
}

QString currentArchive()
{
    return read(common::sharedIni::CurrentArchive);
}

JournalEntry lookUpCard(const QString& archive, const QString& key)
{
    JournalEntry entry;
    entry.archive = archive;
    entry.key = key;
    if (archive.isEmpty()) {
        entry.collection = QStringLiteral("nessun archivio corrente");
        return entry;
    }
    try {
        store::DatabaseSession session;
        auto& [workspace, database, header] = session;
        workspace = store::Engine::instance().CreateWorkspace();
        database = workspace.OpenDatabase(cardArchiveFolder() + archive + QStringLiteral(".mdb"), false, true);
        header = database.OpenRecordset(store::cardSchema::selectCardHeader(key));
        entry.found = !header.Eof();
        if (entry.found) {
            entry.collection = textOf(header, QStringLiteral("DescCollezione"));
            entry.garment = textOf(header, QStringLiteral("DescCapo"));
        } else {
            entry.collection = QStringLiteral("scheda non trovata");
        }
        session.close();
    } catch (const platform::RuntimeError& error) {
        entry.found = false;
        entry.collection = QStringLiteral("archivio non leggibile: ") + error.description();
        entry.garment.clear();
    }
    return entry;
}

QByteArray journalLine(const QDateTime& when, const JournalEntry& entry)
{
    const QStringList columns = {when.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")), column(entry.archive),
                                 column(entry.key), column(entry.collection), column(entry.garment)};
    return platform::codepage::fromUnicode(columns.join(u'\t')) + "\r\n";
}

void appendToJournal(const QString& hostPath, const QByteArray& line)
{
    QFile journal(hostPath);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Append) || journal.write(line) != line.size())
        throw platform::RuntimeError(75, QStringLiteral("Path/File access error: ") + hostPath);
}

} // namespace fattix
