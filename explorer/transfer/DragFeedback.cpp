#include "explorer/transfer/DragFeedback.h"

#include "explorer/transfer/CardTransferWindow.h"
#include "interaction/KeyState.h"
#include "interaction/PendingEvents.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"

namespace transfer::dragFeedback {

namespace {

bool shiftAlone(Qt::KeyboardModifiers modifiers)
{
    return modifiers == Qt::KeyboardModifiers(Qt::ShiftModifier);
}

} // namespace

Qt::DropAction archiveListEffect(Qt::KeyboardModifiers modifiers, Qt::DropActions allowed, Qt::DropAction offered)
{
    if (modifiers.testFlag(Qt::ShiftModifier) && allowed.testFlag(Qt::CopyAction))
        return Qt::IgnoreAction;
    if (!shiftAlone(modifiers) && allowed.testFlag(Qt::MoveAction))
        return Qt::CopyAction;
    return offered;
}

Qt::DropAction cardListEffect(Qt::KeyboardModifiers modifiers, Qt::DropActions allowed, Qt::DropAction offered)
{
    if (modifiers.testFlag(Qt::ShiftModifier) && allowed.testFlag(Qt::CopyAction))
        return Qt::MoveAction;
    if (!shiftAlone(modifiers) && allowed.testFlag(Qt::MoveAction))
        return Qt::CopyAction;
    return offered;
}

int followShiftKey(CardTransferWindow& window)
{
    interaction::TrapAndAsk procedure(QStringLiteral("FrmExplorerLVDB_Ole_DragOver_ERROR"));
    bool shiftDown = false;
    int image = CopyImage;
    if (!procedure.step([&] { shiftDown = interaction::Seams::keyState().isDown(interaction::Key::Shift); }))
        return image;
    image = shiftDown ? MoveImage : CopyImage;
    if (!procedure.step([&] { window.setMovePending(shiftDown); }))
        return image;
    procedure.step([&] { interaction::Seams::pendingEvents().run(); });
    return image;
}

} // namespace transfer::dragFeedback
