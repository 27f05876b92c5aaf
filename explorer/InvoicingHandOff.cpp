#include "explorer/InvoicingHandOff.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/ChildProgram.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "common/Utility.h"
#include "common/Val.h"
#include "explorer/CardListView.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"
#include "platform/RuntimeError.h"

namespace explorer {

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

// The runtime's conversion would fail on text that is no number and overflow above 32767, and a
// negative pause would never end; so the value is held within what a pause can be.
int handOffDelay(const QString& ritardo)
{
    constexpr double longest = 32767;
    try {
        return int(std::clamp(std::nearbyint(common::Val(ritardo)), 0.0, longest));
    } catch (const platform::RuntimeError&) {
        // Beyond the range of any number: held at the nearer end.
        return ritardo.trimmed().startsWith(u'-') ? 0 : int(longest);
    }
}

void MnuLWInviaFattura(FrmExplorer& window)
{
    interaction::Prompter& prompter = interaction::Seams::prompter();
    const QString question = QStringLiteral("Assicurati di avere aperto il programma di fatturazione") + QChar(13) +
                             QStringLiteral("e di aver posizionato il cursore nel campo in cui deve scrivere in dati ");
    if (prompter.message(question, Buttons::OkCancel, Icon::Exclamation, DefaultButton::First,
                         QStringLiteral("Invio dati al prg di fatturazione")) != Answer::Ok)
        return;
    const store::ExplorerState& state = store::explorerState();
    const int delay = handOffDelay(common::settings::read(common::sharedIni::HandOffDelay.in(state.IniFileName)));
    common::settings::write(common::sharedIni::CurrentArchive, state.CurrentArchive);

    interaction::TrapAndAsk procedure(window.objectName() + QStringLiteral("_MnuLWInviaFattura"));
    const QString invoicing = common::childProgram::besideProgram(QStringLiteral("Fattix.exe"));
    const CardListView& cards = window.cardList();
    for (const int row : cards.selectedRows()) {
        const QString commandLine = invoicing + u' ' + cards.rowText(row);
        if (!procedure.step([&] { common::childProgram::runAndWait(commandLine); }))
            return;
        std::int32_t pause = delay;
        common::utility().Wait(pause);
    }
    prompter.message(QStringLiteral("Invio dati completato !!"), Buttons::Ok, Icon::None, DefaultButton::First,
                     interaction::Seams::programTitle());
}

} // namespace explorer
