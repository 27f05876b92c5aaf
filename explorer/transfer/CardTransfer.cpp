#include "explorer/transfer/CardTransfer.h"

#include <functional>
#include <optional>

#include "explorer/store/CardStore.h"
#include "explorer/store/CardTransaction.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/CardTransferWindow.h"
#include "interaction/BusyPointer.h"
#include "interaction/KeyState.h"
#include "interaction/PendingEvents.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"

namespace transfer {

namespace {

using interaction::Seams;

enum class CardOutcome { Copied, Skipped, Stop };

QString archivePath(const QString& archiveName)
{
    return store::explorerState().DatabaseFolder + archiveName + QStringLiteral(".mdb");
}

// Archive names are file names: one archive whatever the case.
bool sameArchive(const QString& first, const QString& second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}

// All three tables are copied, whatever fails, after the card the target holds is removed when
// it is replaced: one transaction of the target. True when every table arrived whole.
bool copyCard(const QString& source, const QString& target, const QString& key, bool replace = false)
{
    store::CardTransaction card(target);
    if (replace)
        card.deleteCard(key);
    const bool whole = card.copyCard(source, key);
    return card.commit(QStringLiteral("ModMain_CopyTable")) && whole;
}

QString transferText(const CardTransferWindow& window, const QString& key)
{
    return (window.movePending() ? QStringLiteral("Sposta: ") : QStringLiteral("Copia: ")) + key;
}

// The loop both drops share: progress over the keys, the status text, Esc, and the refresh.
void transferKeys(CardTransferWindow& window, const QStringList& entries,
                  const std::function<CardOutcome(const QString& key)>& transferCard)
{
    interaction::BusyPointer hourglass;
    Seams::pendingEvents().run();
    window.placeProgressBar();
    window.setProgressBarVisible(true);
    window.setProgressMinimum(0);
    // The progress bar refuses a maximum of 0: a list without keys keeps its maximum.
    if (entries.size() > 1)
        window.setProgressMaximum(int(entries.size()) - 1);
    window.setProgressValue(0);
    int progress = 0;
    Seams::keyState().forgetEarlierPresses(interaction::Key::Escape);
    for (qsizetype entry = 1; entry < entries.size(); ++entry) {
        const QString& key = entries.at(entry);
        window.setStatusText(transferText(window, key));
        if (Seams::keyState().isDown(interaction::Key::Escape))
            break;
        const CardOutcome outcome = transferCard(key);
        if (outcome == CardOutcome::Stop)
            break;
        if (outcome == CardOutcome::Copied) {
            window.setProgressValue(++progress);
            Seams::pendingEvents().run();
        }
    }
    window.setProgressBarVisible(false);
    window.setStatusText(QString());
    window.clearDropHighlight();
    hourglass.restore();
    window.LVDB_DblClick();
}

void reselect(CardTransferWindow& window, const QStringList& keys)
{
    for (int row = 0; row < window.rowCount(); ++row) {
        if (keys.contains(window.rowText(row)))
            window.setRowSelected(row, true);
    }
}

// The move's deletion: only the cards that arrived whole leave the source.
void deleteMovedCards(CardTransferWindow& window, const QStringList& failedKeys)
{
    bool anyMoved = false;
    for (int row = 0; row < window.rowCount(); ++row) {
        if (!window.isRowSelected(row))
            continue;
        if (failedKeys.contains(window.rowText(row)))
            window.setRowSelected(row, false);
        else
            anyMoved = true;
    }
    if (anyMoved)
        window.MnuEliminaScheda(false);
    reselect(window, failedKeys);
}

} // namespace

void MnuLWModelliTaglia(CardTransferWindow& window)
{
    for (int row = 0; row < window.rowCount(); ++row) {
        if (window.isRowSelected(row))
            window.setRowGhosted(row, true);
    }
    window.setMovePending(true);
}

void MnuLWModelliCopia(CardTransferWindow& window)
{
    window.setMovePending(false);
    for (int row = 0; row < window.rowCount(); ++row) {
        if (window.isRowSelected(row))
            window.setRowGhosted(row, false);
    }
}

void MnuDBIncolla(CardTransferWindow& window)
{
    const std::optional<QString> targetArchive = window.selectedArchiveText();
    if (!targetArchive)
        return;
    const QString source = store::explorerState().currentArchivePath(true);
    const QString target = archivePath(*targetArchive);
    if (sameArchive(source, target))
        return;

    interaction::BusyPointer hourglass;
    window.clearDragImage();
    Seams::pendingEvents().run();
    window.placeProgressBar();
    window.setProgressBarVisible(true);
    window.setProgressValue(1);
    int selected = 0;
    for (int row = 0; row < window.rowCount(); ++row) {
        if (window.isRowSelected(row))
            ++selected;
    }
    // The progress bar refuses a maximum of 0, so an empty selection stops before setting it.
    if (selected == 0) {
        window.setProgressBarVisible(false);
        return;
    }
    window.setProgressMaximum(selected);

    const bool moving = window.movePending();
    QStringList failedKeys;
    int done = 0;
    for (int row = 0; row < window.rowCount(); ++row) {
        if (!window.isRowSelected(row))
            continue;
        const QString key = window.rowText(row);
        window.setStatusText(transferText(window, key));
        const bool whole = copyCard(source, target, key);
        window.setProgressValue(++done);
        if (!whole)
            failedKeys.append(key);
        window.setRowSelected(row, moving || !whole);
        Seams::pendingEvents().run();
    }
    window.setProgressBarVisible(false);
    window.setStatusText(QString());

    if (moving)
        deleteMovedCards(window, failedKeys);
    window.setMovePending(false);
    window.clearDropHighlight();
}

void dropOnArchiveList(CardTransferWindow& window, const QStringList& entries)
{
    const std::optional<QString> targetArchive = window.dropTargetArchiveText();
    if (entries.isEmpty() || !targetArchive)
        return;
    const QString source = entries.first();
    const QString target = archivePath(*targetArchive);
    if (sameArchive(source, target))
        return;
    transferKeys(window, entries, [&](const QString& key) {
        copyCard(source, target, key);
        return CardOutcome::Copied;
    });
}

void dropOnCardList(CardTransferWindow& window, const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    if (store::explorerState().CurrentArchive.isEmpty()) {
        Seams::prompter().message(QStringLiteral("Seleziona un database con doppio click, poi riprova"),
                                  interaction::Buttons::Ok, interaction::Icon::None, interaction::DefaultButton::First,
                                  Seams::programTitle());
        return;
    }
    const QString source = entries.first();
    const QString target = store::explorerState().currentArchivePath(true);
    if (sameArchive(source, target))
        return;

    bool overwriteAll = false;
    interaction::TrapAndAsk procedure(QStringLiteral("FrmExplorer_LWModelli_OLEDragDrop"));
    transferKeys(window, entries, [&](const QString& key) {
        bool exists = false;
        if (!overwriteAll && !procedure.step([&] { exists = store::CardExists(key); }))
            return CardOutcome::Stop;
        if (exists) {
            const interaction::Answer answer = Seams::prompter().message(
                QStringLiteral("Il modello ") + key + QStringLiteral(" esiste, lo vuoi sovrascrivere ?"),
                interaction::Buttons::YesNoCancel, interaction::Icon::Information, interaction::DefaultButton::Third,
                QStringLiteral("Conferma sovrascrittura"));
            if (answer == interaction::Answer::No)
                return CardOutcome::Skipped;
            if (answer != interaction::Answer::Yes) {
                Seams::prompter().message(QStringLiteral("Operazione cancellata come richiesto !"),
                                          interaction::Buttons::Ok, interaction::Icon::Exclamation,
                                          interaction::DefaultButton::First, QStringLiteral("Tasto CANCEL premuto"));
                return CardOutcome::Stop;
            }
            overwriteAll =
                Seams::prompter().message(QStringLiteral("Sovrascrivo tutti i modelli senza chiede conferma ?"),
                                          interaction::Buttons::YesNo, interaction::Icon::Exclamation,
                                          interaction::DefaultButton::Second,
                                          QStringLiteral("Richiesta conferma")) == interaction::Answer::Yes;
        }
        copyCard(source, target, key, exists || overwriteAll);
        return CardOutcome::Copied;
    });
}

} // namespace transfer
