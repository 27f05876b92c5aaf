#include "explorer/transfer/AccumarkImport.h"

#include <array>
#include <cstdint>

#include "explorer/store/CardSchema.h"
#include "explorer/store/CardStore.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/store/engine/SqlText.h"
#include "explorer/transfer/CardRows.h"
#include "explorer/transfer/InputFieldReader.h"
#include "explorer/transfer/TextRules.h"
#include "explorer/transfer/TransferWindow.h"
#include "interaction/BusyPointer.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "platform/Process.h"
#include "utilex/UtilexClass.h"

namespace transfer {

namespace {

using automation::Variant;

// A record of the dump: 14 fields, of which the import uses the model (1), the piece number (2),
// the two counts (4, 5) and the material (13).
struct DumpRecord {
    std::array<QString, 14> fields;

    const QString& model() const { return fields[0]; }
    const QString& pieceNumber() const { return fields[1]; }
    const QString& digit() const { return fields[3]; }
    const QString& ruotaX() const { return fields[4]; }
    const QString& material() const { return fields[12]; }
};

// Fields keep what was read of them when the record is cut short, as the runtime's variables do.
void readRecord(InputFieldReader& file, DumpRecord& record)
{
    for (QString& field : record.fields)
        field = file.readField();
}

bool isModel(const DumpRecord& record, const QString& name)
{
    return record.model().compare(name, Qt::CaseInsensitive) == 0;
}

// The k-th piece row of a run of the model's records. Texts from the dump are cut to the size the
// engine reports for their column.
void addPiece(interaction::Procedure& procedure, store::Recordset& rows, const DumpRecord& record, int k)
{
    const auto set = [&](const char* column, const Variant& value) {
        return procedure.step([&] { rows.Fields(QLatin1String(column)).SetValue(value); });
    };
    const auto setCut = [&](const char* column, const QString& value) {
        return procedure.step([&] {
            store::Field field = rows.Fields(QLatin1String(column));
            field.SetValue(value.left(field.Size()));
        });
    };
    if (!procedure.step([&] { rows.AddNew(); }))
        return;
    if (!set("PCMTV", record.model()) || !set("NumeroRiga", Variant::fromLong(k)) ||
        !set("SPN", QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'))) || !set("Descrizione", QString()) ||
        !setCut("Digit", record.digit()) || !setCut("RuotaX", record.ruotaX()) ||
        !setCut("NumeroPezzo", record.pieceNumber()) || !set("Osservazioni", QString()) ||
        !set("ComeModello", QString()))
        return;
    if (!procedure.step([&] {
            store::Field field = rows.Fields(QStringLiteral("Materiale"));
            field.SetValue(trimBlanks(record.material().left(field.Size())));
        }))
        return;
    procedure.step([&] { rows.Update(); });
}

} // namespace

QString dumpFileName(const QString& appFolder, const QString& area)
{
    return appFolder.left(2) + u'\\' + area.mid(3) + u'.' + area.left(1) + QStringLiteral("MO");
}

void ImportaModello(const QString& dumpPath)
{
    InputFieldReader file;
    store::DatabaseSession session;
    // Named one by one: the lambdas below capture them, which clang 14 refuses for structured bindings.
    store::Workspace& workspace = session.workspace;
    store::Database& database = session.database;
    store::Recordset& rows = session.recordset;
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:ImportaModello_Error"));
    // Dropping the workspace without a commit discards the run being written.
    procedure.onAbort([&] {
        session.reset();
        file = InputFieldReader();
    });

    QString name;
    if (!procedure.step([&] {
            name = interaction::Seams::prompter().input(QStringLiteral("Inserisci il nome del modello da importare "),
                                                        QStringLiteral("Importa modello da Accumark"), QString());
        }))
        return;
    if (name.isEmpty())
        return;
    if (!procedure.step([&] { store::CreateCardHeader(name); }))
        return;
    if (!procedure.step([&] {
            store::EseguiSql(store::explorerState().currentArchivePath(false),
                             QStringLiteral("Delete * From SchedaModello where PCMTV=") + store::sqlText(name) + u';');
        }))
        return;
    if (!procedure.step([&] { file = InputFieldReader::open(dumpPath); }))
        return;
    if (!procedure.step([&] { file.readLine(); }) || !procedure.step([&] { file.readLine(); }))
        return;

    DumpRecord record;
    while (!file.atEnd()) {
        if (!procedure.step([&] { readRecord(file, record); }))
            return;
        if (!isModel(record, name))
            continue;

        if (!procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }) || !procedure.step([&] {
                database = workspace.OpenDatabase(store::explorerState().currentArchivePath(false));
            }) ||
            !procedure.step(
                [&] { rows = database.OpenRecordset(selectCardRows(store::cardSchema::SchedaModello, name)); }) ||
            !procedure.step([&] { workspace.BeginTrans(); }))
            return;
        for (int k = 1;; ++k) {
            addPiece(procedure, rows, record, k);
            if (procedure.left())
                return;
            if (file.atEnd())
                break;
            if (!procedure.step([&] { readRecord(file, record); }))
                return;
            if (!isModel(record, name))
                break;
        }
        if (!procedure.step([&] { workspace.CommitTrans(); }) || !procedure.step([&] { rows.Close(); }) ||
            !procedure.step([&] { database.Close(); }) || !procedure.step([&] { workspace.Close(); }))
            return;
    }
}

void ImportAccumarkModel(TransferWindow& window)
{
    interaction::SkipFailingSteps command;
    QString area;
    command.step([&] { area = window.chooseAccumarkArea(); });
    if (area.isEmpty())
        return;
    QString dump;
    command.step([&] { dump = dumpFileName(window.appFolder(), area); });

    std::int16_t utilityFound = 0;
    command.step([&] {
        QString utility = DumpUtility;
        utilityFound = window.utility().FileExists(utility);
    });
    if (utilityFound == 0) {
        command.step([&] {
            interaction::Seams::prompter().message(
                QStringLiteral("Il file '") + DumpUtility + QStringLiteral("' non esiste "), interaction::Buttons::Ok,
                interaction::Icon::None, interaction::DefaultButton::First, interaction::Seams::programTitle());
        });
        return;
    }

    std::int32_t pid = 0;
    command.step([&] { pid = std::int32_t(platform::process::start(DumpUtilityCommand + area + u' ' + dump)); });
    command.step([&] { window.utility().WaitForShell(pid); });

    interaction::BusyPointer hourglass;
    command.step([&] { ImportaModello(dump); });
}

} // namespace transfer
