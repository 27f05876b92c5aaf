#include "explorer/transfer/CardCsvExport.h"

#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardCsvLayout.h"
#include "explorer/transfer/CardRows.h"
#include "explorer/transfer/OutputFile.h"
#include "explorer/transfer/TransferWindow.h"
#include "explorer/transfer/WriteListLine.h"
#include "interaction/BusyPointer.h"
#include "interaction/PendingEvents.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "platform/Codepage.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace transfer {

namespace {

constexpr int badFileNameOrNumber = 52;

// folder + key + ".csv". A key that is no plain file name would write outside the folder or onto
// a device, and one the file's code page cannot hold would come back as another card: both 52.
QString cardFilePath(const QString& folder, const QString& key)
{
    if (!platform::windowsPath::isPlainFileName(key) || !platform::codepage::holds(key))
        throw platform::RuntimeError(badFileNameOrNumber);
    return folder + key + QStringLiteral(".csv");
}

template <std::size_t Count>
QByteArray rowLine(const store::Recordset& rows, const std::array<cardCsv::Column, Count>& columns)
{
    WriteListLine line;
    for (const cardCsv::Column& column : columns) {
        const automation::Variant value = rows.Fields(column.name).Value();
        if (cardCsv::isPieceCount(column.name))
            line.pieceCount(value);
        else
            line.value(value);
    }
    return line.bytes();
}

// "Scheda Modello",N then the N rows, in the order the archive returns them.
template <std::size_t Count>
void writeSection(interaction::Procedure& procedure, store::Database& database, store::Recordset& rows,
                  OutputFile& file, QLatin1String table, QLatin1String section, const QString& key,
                  const std::array<cardCsv::Column, Count>& columns)
{
    int count = 0;
    if (!procedure.step([&] { rows = database.OpenRecordset(selectCardRows(table, key)); }))
        return;
    if (!procedure.step([&] {
            if (!rows.Eof()) {
                rows.MoveLast();
                rows.MoveFirst();
            }
            count = rows.RecordCount();
        }))
        return;
    if (!procedure.step([&] {
            file.writeLine(
                WriteListLine().text(section).number(automation::Variant::fromInteger(std::int16_t(count))).bytes());
        }))
        return;
    bool atEnd = false;
    while (procedure.step([&] { atEnd = rows.Eof(); }) && !atEnd) {
        if (!procedure.step([&] { file.writeLine(rowLine(rows, columns)); }))
            return;
        if (!procedure.step([&] { rows.MoveNext(); }))
            return;
    }
    procedure.step([&] { rows.Close(); });
}

} // namespace

void ExportData(const QString& folder, const QString& archiveName, const QString& key)
{
    OutputFile file;
    store::DatabaseSession session;
    // Named one by one: the lambdas below capture them, which clang 14 refuses for structured bindings.
    store::Workspace& workspace = session.workspace;
    store::Database& database = session.database;
    store::Recordset& rows = session.recordset;
    interaction::TrapAndAsk procedure(QStringLiteral("ModMain_ExportData"));
    procedure.onAbort([&] {
        file.Close();
        session.reset();
    });

    if (!procedure.step([&] { file = OutputFile(cardFilePath(folder, key)); }))
        return;
    if (!procedure.step([&] { file.writeLine(cardCsv::Signature.latin1()); }))
        return;
    if (!procedure.step([&] { file.writeLine(WriteListLine().text(archiveName).bytes()); }))
        return;
    if (!procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }))
        return;
    if (!procedure.step([&] {
            database = workspace.OpenDatabase(store::explorerState().DatabaseFolder + archiveName, true, true);
        }))
        return;

    if (!procedure.step([&] { rows = database.OpenRecordset(selectCardRows(store::cardSchema::Modelli, key)); }))
        return;
    if (!procedure.step([&] { file.writeLine(rowLine(rows, cardCsv::ModelColumns)); }))
        return;
    if (!procedure.step([&] { rows.Close(); }))
        return;

    writeSection(procedure, database, rows, file, store::cardSchema::SchedaModello, cardCsv::PieceSection, key,
                 cardCsv::PieceColumns);
    writeSection(procedure, database, rows, file, store::cardSchema::SchedaPiazzato, cardCsv::MarkerSection, key,
                 cardCsv::MarkerColumns);

    if (!procedure.step([&] { file.Close(); }))
        return;
    if (!procedure.step([&] { database.Close(); }))
        return;
    procedure.step([&] { workspace.Close(); });
}

void MnuLWEsporta_Click(TransferWindow& window)
{
    interaction::SkipFailingSteps command;
    QString folder;
    command.step(
        [&] { folder = window.browseForFolder(QStringLiteral("Seleziona la cartella dove esportare le schede")); });
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(u'\\'))
        folder += u'\\';

    command.step([&] { window.placeProgressBar(); });
    interaction::BusyPointer hourglass;
    int selected = 0;
    command.step([&] {
        for (int row = 0; row < window.rowCount(); ++row)
            selected += window.isRowSelected(row) ? 1 : 0;
    });
    command.step([&] { window.setProgressMaximum(selected); });
    command.step([&] { window.setProgressValue(0); });
    command.step([&] { window.setProgressBarVisible(true); });

    int exported = 0;
    for (int row = 0; row < window.rowCount(); ++row) {
        bool isSelected = false;
        command.step([&] { isSelected = window.isRowSelected(row); });
        if (!isSelected)
            continue;
        QString key;
        command.step([&] { key = window.rowText(row); });
        command.step([&] { window.setRowSelected(row, false); });
        command.step([&] { window.setStatusText(QStringLiteral("Esporta in CSV: ") + key); });
        command.step([&] { ExportData(folder, store::explorerState().CurrentArchive, key); });
        command.step([&] { window.setProgressValue(++exported); });
        command.step([&] { interaction::Seams::pendingEvents().run(); });
    }

    command.step([&] { window.setProgressBarVisible(false); });
    hourglass.restore();
    command.step([&] { window.setStatusText(QString()); });
}

} // namespace transfer
