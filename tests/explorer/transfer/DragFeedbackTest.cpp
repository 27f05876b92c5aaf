#include "explorer/transfer/DragFeedback.h"

#include "tests/explorer/transfer/TransferTest.h"
#include "tests/support/FakeWindow.h"

namespace {

using transfer::dragFeedback::archiveListEffect;
using transfer::dragFeedback::cardListEffect;

struct EffectCase {
    Qt::KeyboardModifiers modifiers;
    Qt::DropActions allowed;
    Qt::DropAction archiveList;
    Qt::DropAction cardList;
};

const Qt::DropActions copyAndMove = Qt::CopyAction | Qt::MoveAction;

class DragEffectTest : public ::testing::TestWithParam<EffectCase> {};

TEST_P(DragEffectTest, FollowsTheModifiersAndTheAllowedEffects)
{
    const EffectCase& c = GetParam();
    EXPECT_EQ(archiveListEffect(c.modifiers, c.allowed, Qt::MoveAction), c.archiveList);
    EXPECT_EQ(cardListEffect(c.modifiers, c.allowed, Qt::MoveAction), c.cardList);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, DragEffectTest,
                         ::testing::Values(EffectCase{Qt::NoModifier, copyAndMove, Qt::CopyAction, Qt::CopyAction},
                                           EffectCase{Qt::ShiftModifier, copyAndMove, Qt::IgnoreAction, Qt::MoveAction},
                                           EffectCase{Qt::ShiftModifier | Qt::ControlModifier, copyAndMove,
                                                      Qt::IgnoreAction, Qt::MoveAction},
                                           EffectCase{Qt::ControlModifier, copyAndMove, Qt::CopyAction, Qt::CopyAction},
                                           EffectCase{Qt::ShiftModifier, Qt::MoveAction, Qt::MoveAction,
                                                      Qt::MoveAction},
                                           EffectCase{Qt::NoModifier, Qt::CopyAction, Qt::MoveAction, Qt::MoveAction}));

class ShiftKeyTest : public TransferTest {};

TEST_F(ShiftKeyTest, ShiftOnTheKeyboardDecidesTheMoveAndTheDragImage)
{
    FakeWindow window(m_world.utility());
    m_world.keys.pressAtQuery(interaction::Key::Shift, 2);
    EXPECT_EQ(transfer::dragFeedback::followShiftKey(window), transfer::dragFeedback::CopyImage);
    EXPECT_FALSE(window.movePending());
    EXPECT_EQ(transfer::dragFeedback::followShiftKey(window), transfer::dragFeedback::MoveImage);
    EXPECT_TRUE(window.movePending());
    EXPECT_EQ(m_world.events.calls(), 2);
}

} // namespace
