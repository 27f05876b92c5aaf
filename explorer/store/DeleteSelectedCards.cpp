#include "explorer/store/DeleteSelectedCards.h"

#include "explorer/store/CardListWindow.h"
#include "explorer/store/CardTransaction.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/KeyState.h"
#include "interaction/PendingEvents.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"

namespace store {

void DeleteSelectedCards(CardListWindow& window)
{
    interaction::SkipFailingSteps procedure;
    const QString archive = explorerState().currentArchivePath(true);

    procedure.step([&] { window.placeProgressBar(); });
    procedure.step([&] { window.setProgressBarVisible(true); });
    procedure.step([&] { window.setProgressValue(0); });
    procedure.step([&] { window.setProgressMaximum(window.rowCount()); });
    int selected = 0;
    for (int row = 0; row < window.rowCount(); ++row)
        selected += window.isRowSelected(row) ? 1 : 0;
    procedure.step([&] { window.setProgressMaximum(selected); });

    int deleted = 0;
    interaction::Seams::keyState().forgetEarlierPresses(interaction::Key::Escape);
    for (int row = 0; row < window.rowCount(); ++row) {
        if (!window.isRowSelected(row))
            continue;
        ++deleted;
        const QString key = window.rowText(row);
        procedure.step([&] { window.setStatusText(QStringLiteral("Cancella: ") + key); });
        if (interaction::Seams::keyState().isDown(interaction::Key::Escape))
            break;
        CardTransaction card(archive);
        procedure.step([&] { card.deleteCard(key); });
        procedure.step([&] { card.commit(QStringLiteral("EseguiSql")); });
        procedure.step([&] { window.setRowSelected(row, false); });
        procedure.step([&] { window.setProgressValue(deleted); });
        interaction::Seams::pendingEvents().run();
    }

    procedure.step([&] { window.setStatusText(QString()); });
    procedure.step([&] { window.setProgressBarVisible(false); });
}

} // namespace store
