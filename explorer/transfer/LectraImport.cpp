#include "explorer/transfer/LectraImport.h"

#include <cstdint>

#include "automation/Boolean.h"
#include "automation/Variant.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/CardStore.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/transfer/CardRows.h"
#include "explorer/transfer/TransferWindow.h"
#include "interaction/TrapAndAsk.h"
#include "platform/Codepage.h"
#include "platform/Files.h"
#include "utilex/UtilexClass.h"

namespace transfer {

namespace {

using automation::Variant;

constexpr int fieldsPerLine = 14;

// The text the runtime's Line Input reads: up to the first carriage return.
QString firstLine(const QString& path)
{
    const QString text = platform::codepage::toUnicode(platform::files::readAll(path));
    return text.left(text.indexOf(u'\r'));
}

std::int16_t wholeNumber(const QString& text)
{
    return Variant(text).toInteger();
}

} // namespace

QString LectraCardKey(utilex::_UtilexClass& utility, const QString& path)
{
    QString text = path;
    QString separator = QStringLiteral("\\");
    automation::Boolean fromStart = automation::False;
    const QString name = utility.RightString(text, separator, fromStart);
    const qsizetype dot = name.indexOf(u'.');
    return (dot < 0 ? name : name.left(dot)).left(20);
}

void ImportaModelloLectra(utilex::_UtilexClass& utility, const QString& path, const QString& key)
{
    store::DatabaseSession session;
    // Named one by one: the lambdas below capture them, which clang 14 refuses for structured bindings.
    store::Workspace& workspace = session.workspace;
    store::Database& database = session.database;
    store::Recordset& rows = session.recordset;
    interaction::TrapAndAsk procedure(QStringLiteral("Proc:ImportaModello_Error"));
    // Dropping the workspace without a commit discards every change of the import.
    procedure.onAbort([&] { session.reset(); });

    QString text;
    if (!procedure.step([&] { text = firstLine(path); }) ||
        !procedure.step([&] { workspace = store::Engine::instance().CreateWorkspace(); }) ||
        !procedure.step([&] { database = workspace.OpenDatabase(store::explorerState().currentArchivePath(false)); }) ||
        !procedure.step([&] { rows = database.OpenRecordset(selectCardRows(store::cardSchema::SchedaModello, key)); }))
        return;
    bool overwrite = false;
    if (!procedure.step([&] { overwrite = !rows.Eof(); }) || !procedure.step([&] { workspace.BeginTrans(); }))
        return;

    Variant fields;
    if (!procedure.step([&] {
            text.replace(u'\n', u'\t');
            QString tab = QStringLiteral("\t");
            fields = utility.MySplit(text, tab);
        }))
        return;

    const auto field = [&](int first, int number) { return fields.at(first + number - 1).toString(); };
    const auto set = [&](const char* column, const std::function<Variant()>& value) {
        return procedure.step([&] { rows.Fields(QLatin1String(column)).SetValue(value()); });
    };
    const auto cut = [&](const char* column, const QString& value) {
        return value.left(rows.Fields(QLatin1String(column)).Size());
    };

    int first = fieldsPerLine + 1;
    // Each count is converted inside the statement that writes it: a count that is no number
    // fails that statement, and an Ignore leaves the column unwritten.
    const auto a = [&] { return wholeNumber(cut("Digit", field(first, 3))); };
    const auto b = [&] { return wholeNumber(cut("RuotaX", field(first, 4))); };
    for (int k = 1;; ++k) {
        if (!procedure.step([&] { overwrite ? rows.Edit() : rows.AddNew(); }) ||
            !set("PCMTV", [&] { return Variant(key); }) || !set("NumeroRiga", [&] { return Variant::fromLong(k); }) ||
            !set("SPN",
                 [&] { return Variant(cut("SPN", field(first, 9).isEmpty() ? field(first, 1) : field(first, 9))); }) ||
            !set("Descrizione", [&] { return Variant(cut("Descrizione", field(first, 10))); }) ||
            !set("Digit", [&] { return Variant(QString::number(int(a()) + int(b()))); }) ||
            !set("RuotaX", [&] { return Variant::fromInteger(b()); }) ||
            !set("NumeroPezzo", [&] { return Variant(cut("NumeroPezzo", field(first, 2))); }) ||
            !set("Osservazioni", [&] { return Variant(cut("Osservazioni", field(first, 7))); }) ||
            !set("ComeModello", [&] { return Variant(cut("ComeModello", field(first, 8))); }) ||
            !set("Materiale", [&] { return Variant(cut("Materiale", field(first, 6))); }) ||
            !procedure.step([&] { rows.Update(); }))
            return;
        if (overwrite && !procedure.step([&] {
                rows.MoveNext();
                overwrite = !rows.Eof();
            }))
            return;
        first += fieldsPerLine;
        if (first + fieldsPerLine - 1 > fields.upperBound())
            break;
    }

    // The card had more pieces than the file: the rows beyond the new ones go.
    while (overwrite) {
        if (!procedure.step([&] {
                rows.Delete();
                rows.MoveNext();
                overwrite = !rows.Eof();
            }))
            return;
    }
    if (!procedure.step([&] { workspace.CommitTrans(); }) || !procedure.step([&] { rows.Close(); }) ||
        !procedure.step([&] { database.Close(); }))
        return;
    procedure.step([&] { workspace.Close(); });
}

void ImportLectraModel(TransferWindow& window)
{
    interaction::TrapAndAsk command(QStringLiteral("Proc:ImportaModello_Error"));
    QString path;
    if (!command.step([&] {
            path = window.openFileDialog({{QStringLiteral("Tutti i files (*.*)"), QStringLiteral("*.*")}}, QString(),
                                         std::nullopt);
        }))
        return;
    if (path.isEmpty())
        return;
    QString key;
    if (!command.step([&] { key = LectraCardKey(window.utility(), path); }) ||
        !command.step([&] { store::CreateCardHeader(key); }))
        return;
    ImportaModelloLectra(window.utility(), path, key);
    command.step([&] { window.showArchive(store::explorerState().CurrentArchive); });
}

} // namespace transfer
