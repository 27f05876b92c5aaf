#include "explorer/transfer/CardCsvImport.h"

#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardCsvLayout.h"
#include "explorer/transfer/CardRows.h"
#include "explorer/transfer/InputFieldReader.h"
#include "explorer/transfer/TextRules.h"
#include "explorer/transfer/TransferWindow.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"

namespace transfer {

namespace {

using automation::Variant;

const QChar CR(u'\r');

QString kept(const QString& value, const cardCsv::Column& column)
{
    return column.width == cardCsv::Unlimited ? value : value.left(column.width);
}

void refuseFile()
{
    interaction::Seams::prompter().message(
        QStringLiteral("Il file non e' una scheda di Tramex"), interaction::Buttons::Ok, interaction::Icon::Exclamation,
        interaction::DefaultButton::First, QStringLiteral("Problemi con l'importazione"));
}

void refuseExistingCard(const QString& path, const QString& archiveName)
{
    interaction::Seams::prompter().message(
        QStringLiteral("La scheda") + CR + path + CR + QStringLiteral("nell'archivio schede ") + archiveName +
            QStringLiteral(" esiste gia'") + CR + CR + QStringLiteral("PRIMA DI IMPORTARLA DEVI CANCELLARLA !"),
        interaction::Buttons::OkCancel, interaction::Icon::Exclamation, interaction::DefaultButton::First,
        QStringLiteral("Scheda esistente"));
}

// A section header ("Scheda Modello",N): the name is not checked.
int sectionCount(InputFieldReader& file)
{
    file.readField();
    return file.readInteger();
}

void addPieces(InputFieldReader& file, store::Database& database, const QString& key)
{
    store::Recordset pieces = database.OpenRecordset(selectCardRows(store::cardSchema::SchedaModello, key));
    const int count = sectionCount(file);
    for (int row = 1; row <= count; ++row) {
        pieces.AddNew();
        pieces.Fields(QStringLiteral("PCMTV")).SetValue(key);
        pieces.Fields(QStringLiteral("NumeroRiga")).SetValue(Variant::fromLong(row));
        for (const cardCsv::Column& column : cardCsv::PieceColumns) {
            const QString value = trimBlanks(kept(file.readField(), column));
            pieces.Fields(column.name)
                .SetValue(cardCsv::isPieceCount(column.name) ? Variant::fromDouble(numericValueOf(value))
                                                             : Variant(value));
        }
        pieces.Update();
    }
    pieces.Close();
}

void addMarkers(InputFieldReader& file, store::Database& database, const QString& key)
{
    store::Recordset markers = database.OpenRecordset(selectCardRows(store::cardSchema::SchedaPiazzato, key));
    const int count = sectionCount(file);
    for (int row = 1; row <= count; ++row) {
        markers.AddNew();
        markers.Fields(QStringLiteral("PCMTV")).SetValue(key);
        markers.Fields(QStringLiteral("NumeroRiga")).SetValue(QString::number(row));
        for (const cardCsv::Column& column : cardCsv::MarkerColumns)
            markers.Fields(column.name).SetValue(trimBlanks(kept(file.readField(), column)));
        markers.Update();
    }
    markers.Close();
}

// The whole import, as one transaction: anything that fails leaves the archive untouched, as
// the workspace going away rolls back what is not committed.
void importCard(const QString& path, const QString& archiveName)
{
    InputFieldReader file = InputFieldReader::open(path);
    if (file.atEnd() || file.readField() != cardCsv::Signature) {
        refuseFile();
        return;
    }
    file.readField(); // the source archive: any archive may receive the card
    QStringList header;
    for (const cardCsv::Column& column : cardCsv::ModelColumns)
        header.append(kept(file.readField(), column));
    const QString key = trimBlanks(header.first());

    store::DatabaseSession session;
    auto& [workspace, database, model] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(store::explorerState().DatabaseFolder + archiveName);
    model = database.OpenRecordset(selectCardRows(store::cardSchema::Modelli, key));
    if (!model.Eof()) {
        refuseExistingCard(path, archiveName);
        return;
    }
    workspace.BeginTrans();
    model.AddNew();
    for (std::size_t column = 0; column < cardCsv::ModelColumns.size(); ++column)
        model.Fields(cardCsv::ModelColumns[column].name).SetValue(trimBlanks(header.at(qsizetype(column))));
    model.Update();
    model.Close();

    addPieces(file, database, key);
    addMarkers(file, database, key);

    workspace.CommitTrans();
    database.Close();
    workspace.Close();
}

} // namespace

void ImportData(const QString& path, const QString& archiveName)
{
    interaction::TrapAndAsk procedure(QStringLiteral("ModMain_ImportData"));
    procedure.step([&] { importCard(path, archiveName); });
}

void MnuLWImporta_Click(TransferWindow& window)
{
    // Without an open archive the import would only end in the engine's "file not found".
    if (store::explorerState().CurrentArchive.isEmpty()) {
        interaction::Seams::prompter().message(QStringLiteral("Aprire prima un archivio"), interaction::Buttons::Ok,
                                               interaction::Icon::Exclamation, interaction::DefaultButton::First,
                                               QString());
        return;
    }
    const QString path = window.openFileDialog({{QStringLiteral("File CSV (*.csv)"), QStringLiteral("*.csv")}},
                                               window.appFolder(), QStringLiteral("Seleziona la scheda da importare"));
    if (path.isEmpty())
        return;
    ImportData(path, store::explorerState().CurrentArchive);
    window.showArchive(store::explorerState().CurrentArchive);
}

} // namespace transfer
