#include "UtilexFixture.h"
#include "interaction/ScriptedSystemServices.h"

using automation::SystemServices;
using automation::Variant;

namespace {

using namespace Qt::StringLiterals;

class UtilexSystemHelpersTest : public UtilexTest {
protected:
    interaction::ScriptedSystemServices m_services;
};

struct ExitCase {
    Variant option;
    const char* asked;
};

class UtilexExitWinTest : public UtilexSystemHelpersTest, public ::testing::WithParamInterface<ExitCase> {};

struct MouseCase {
    unsigned held;
    std::uint8_t result;
};

class UtilexMouseKeyTest : public UtilexSystemHelpersTest, public ::testing::WithParamInterface<MouseCase> {};

} // namespace

TEST_F(UtilexSystemHelpersTest, PlayWavHandsTheHostFileOverAndIgnoresWhatCannotPlay)
{
    call(u"PlayWav", {Variant(u"C:\\Suoni\\fine.wav")});
    call(u"PlayWav", {Variant(u"")});
    EXPECT_NO_THROW(call(u"PlayWav", {Variant(u"Q:\\fine.wav")}));
    ASSERT_GE(m_services.calls().size(), 2);
    EXPECT_EQ(m_services.calls().at(0), u"PlaySound "_s + hostOfC(u"Suoni/fine.wav"_s));
    EXPECT_EQ(m_services.calls().at(1), u"PlaySound "_s);
}

TEST_F(UtilexSystemHelpersTest, ShowTaskBarShowsOrHidesThePanelsOnlyForTrueOrFalse)
{
    call(u"ShowTaskBar", {Variant::fromBoolean(false)});
    call(u"ShowTaskBar", {Variant::fromBoolean(true)});
    automation::Boolean neither = 1;
    m_utilex->ShowTaskBar(neither);
    EXPECT_EQ(m_services.calls(), (QStringList{u"ShowPanels hidden"_s, u"ShowPanels shown"_s}));
}

TEST_P(UtilexExitWinTest, AsksForTheEndTheFlagsName)
{
    call(u"ExitWin", {GetParam().option});
    EXPECT_EQ(m_services.calls(), QStringList{QString::fromLatin1(GetParam().asked)});
}

INSTANTIATE_TEST_SUITE_P(Flags, UtilexExitWinTest,
                         ::testing::Values(ExitCase{Variant::fromInteger(0), "EndSession LogOff"},
                                           ExitCase{Variant::fromInteger(1), "EndSession ShutDown"},
                                           ExitCase{Variant::fromLong(2), "EndSession Reboot"},
                                           ExitCase{Variant::fromInteger(4), "EndSession LogOff forced"},
                                           ExitCase{Variant::fromInteger(5), "EndSession ShutDown forced"},
                                           ExitCase{Variant::fromInteger(6), "EndSession Reboot forced"},
                                           ExitCase{Variant::fromInteger(8), "EndSession ShutDown"},
                                           ExitCase{Variant(u"2"), "EndSession Reboot"}));

TEST_F(UtilexSystemHelpersTest, ExitWinWithANonNumberRaisesTypeMismatchAndEndsNothing)
{
    EXPECT_EQ(errorNumberOf([&] { call(u"ExitWin", {Variant(u"subito")}); }), 13);
    EXPECT_TRUE(m_services.calls().isEmpty());
}

TEST_F(UtilexSystemHelpersTest, CambiaSfondoDeskTopSetsTheWallpaperAndRecordsItForALaterRead)
{
    writeHostFile(hostOfC(u"Immagini/sfondo.bmp"_s), "BM");
    call(u"CambiaSfondoDeskTop", {Variant(u"C:\\Immagini\\sfondo.bmp")});
    EXPECT_EQ(m_services.calls(), QStringList{u"SetWallpaper "_s + hostOfC(u"Immagini/sfondo.bmp"_s)});
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"Desktop"), Variant(u"Wallpaper")}),
              Variant(u"C:\\Immagini\\sfondo.bmp"));

    call(u"CambiaSfondoDeskTop", {Variant(u"")});
    EXPECT_EQ(m_services.calls().last(), u"SetWallpaper "_s);
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"Desktop"), Variant(u"Wallpaper"), Variant(u"?")}),
              Variant(u""));
}

TEST_F(UtilexSystemHelpersTest, CambiaSfondoDeskTopOfAMissingFileChangesNothing)
{
    for (const char16_t* name : {u"C:\\Immagini\\manca.bmp", u"Q:\\sfondo.bmp"})
        EXPECT_NO_THROW(call(u"CambiaSfondoDeskTop", {Variant(name)}));
    EXPECT_TRUE(m_services.calls().isEmpty());
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"Desktop"), Variant(u"Wallpaper"), Variant(u"nessuno")}),
              Variant(u"nessuno"));
}

TEST_F(UtilexSystemHelpersTest, PrinterPrintAtPrintsWhereAskedAndTheDocumentEndsWithTheInstance)
{
    m_services.setPrinter(true);
    EXPECT_EQ(call(u"IsPrinterInstalled"), Variant::fromBoolean(true));
    call(u"PrinterPrintAt", {Variant(u"Modello 12"), Variant::fromSingle(1440), Variant::fromSingle(720.5f)});
    call(u"PrinterPrintAt", {Variant(u"Taglia 44"), Variant::fromSingle(0), Variant::fromSingle(2880)});
    EXPECT_EQ(m_services.calls(), (QStringList{u"PrintAt Modello 12 1440 720.5"_s, u"PrintAt Taglia 44 0 2880"_s}));
    m_object.reset();
    m_utilex.reset();
    EXPECT_EQ(m_services.calls().last(), u"EndDocument"_s);
}

TEST_F(UtilexSystemHelpersTest, WithoutAPrinterPrintingRaises484AndIsPrinterInstalledIsFalse)
{
    EXPECT_EQ(call(u"IsPrinterInstalled"), Variant::fromBoolean(false));
    EXPECT_EQ(errorNumberOf([&] {
                  call(u"PrinterPrintAt", {Variant(u"x"), Variant::fromSingle(0), Variant::fromSingle(0)});
              }),
              484);
    m_object.reset();
    m_utilex.reset();
    EXPECT_TRUE(m_services.calls().isEmpty());
}

TEST_F(UtilexSystemHelpersTest, SetCapsLockWritesTheWholeKeyboardStateBackWithTheToggleChanged)
{
    SystemServices::KeyboardState held{};
    held[65] = 0x80;
    held[SystemServices::numLockKey] = 0x01;
    m_services.holdKeyboardState(held);

    call(u"SetCapsLock", {Variant::fromBoolean(true)});
    EXPECT_EQ(call(u"GetCapsLock"), Variant::fromBoolean(true));
    SystemServices::KeyboardState expected = held;
    expected[SystemServices::capsLockKey] = 0x01;
    EXPECT_EQ(m_services.keyboardState(), expected);

    call(u"SetNumLock", {Variant::fromBoolean(false)});
    EXPECT_EQ(call(u"GetNumLock"), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"GetCapsLock"), Variant::fromBoolean(true));
    call(u"SetCapsLock", {Variant::fromBoolean(false)});
    EXPECT_EQ(call(u"GetCapsLock"), Variant::fromBoolean(false));
    EXPECT_EQ(m_services.keyboardState()[65], 0x80);
    EXPECT_EQ(m_services.calls().count(u"SetKeyboardState"_s), 3);
}

TEST_F(UtilexSystemHelpersTest, AKeyHeldDownReadsAsOn)
{
    SystemServices::KeyboardState held{};
    held[SystemServices::numLockKey] = 0x80;
    m_services.holdKeyboardState(held);
    EXPECT_EQ(m_utilex->GetNumLock(), automation::True);
    EXPECT_EQ(m_utilex->GetCapsLock(), automation::False);
}

TEST_P(UtilexMouseKeyTest, AnswersTheFirstButtonDownOfLeftRightMiddle)
{
    m_services.holdMouseButtons(GetParam().held);
    EXPECT_EQ(call(u"GetMouseKey"), Variant::fromByte(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Buttons, UtilexMouseKeyTest,
                         ::testing::Values(MouseCase{0, 0}, MouseCase{SystemServices::LeftButton, 1},
                                           MouseCase{SystemServices::RightButton, 2},
                                           MouseCase{SystemServices::MiddleButton, 4},
                                           MouseCase{SystemServices::LeftButton | SystemServices::RightButton, 1},
                                           MouseCase{SystemServices::RightButton | SystemServices::MiddleButton, 2}));

// Without the desktop's services nothing reaches the desktop, but the keyboard toggles still
// read back what was set.
TEST_F(UtilexTest, WithoutTheDesktopsServicesTheHelpersStillAnswer)
{
    call(u"SetNumLock", {Variant::fromBoolean(true)});
    EXPECT_EQ(call(u"GetNumLock"), Variant::fromBoolean(true));
    call(u"SetNumLock", {Variant::fromBoolean(false)});
    EXPECT_EQ(call(u"GetNumLock"), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"GetMouseKey"), Variant::fromByte(0));
    EXPECT_EQ(call(u"IsPrinterInstalled"), Variant::fromBoolean(false));
    EXPECT_EQ(errorNumberOf([&] {
                  call(u"PrinterPrintAt", {Variant(u"x"), Variant::fromSingle(0), Variant::fromSingle(0)});
              }),
              484);
    EXPECT_NO_THROW(call(u"ShowTaskBar", {Variant::fromBoolean(true)}));
}
