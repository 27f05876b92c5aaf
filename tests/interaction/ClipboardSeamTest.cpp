#include <gtest/gtest.h>

#include "automation/Clipboard.h"
#include "interaction/ScriptedClipboard.h"
#include "platform/RuntimeError.h"

namespace {

using automation::Clipboard;

TEST(ClipboardSeam, WithoutABackendTheProcessKeepsTheText)
{
    Clipboard::setText(QStringLiteral("a\tb"));
    EXPECT_EQ(Clipboard::getText(), QStringLiteral("a\tb"));
    Clipboard::clear();
    EXPECT_TRUE(Clipboard::getText().isEmpty());
}

TEST(ClipboardSeam, ScriptedClipboardRecordsEveryCallWhileInstalled)
{
    Clipboard::setText(QStringLiteral("process"));
    {
        interaction::ScriptedClipboard scripted;
        scripted.hold(QStringLiteral("other program"));
        EXPECT_EQ(Clipboard::getText(), QStringLiteral("other program"));
        Clipboard::clear();
        Clipboard::setText(QStringLiteral("x"));
        EXPECT_EQ(scripted.text(), QStringLiteral("x"));
        EXPECT_EQ(scripted.calls(),
                  QStringList({QStringLiteral("GetText"), QStringLiteral("Clear"), QStringLiteral("SetText x")}));
    }
    EXPECT_EQ(Clipboard::getText(), QStringLiteral("process"));
    Clipboard::clear();
}

TEST(ClipboardSeam, UnreachableClipboardRaises521AndKeepsItsText)
{
    interaction::ScriptedClipboard scripted;
    scripted.hold(QStringLiteral("kept"));
    scripted.setUnreachable(true);
    for (const auto& call : {std::function<void()>([] { Clipboard::getText(); }),
                             std::function<void()>([] { Clipboard::setText(QStringLiteral("lost")); }),
                             std::function<void()>([] { Clipboard::clear(); })}) {
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const platform::RuntimeError& error) {
            EXPECT_EQ(error.number(), 521);
            EXPECT_EQ(error.description(), QStringLiteral("Can't open Clipboard"));
        }
    }
    EXPECT_EQ(scripted.text(), QStringLiteral("kept"));
}

} // namespace
