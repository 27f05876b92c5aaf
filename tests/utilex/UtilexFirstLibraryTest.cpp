#include <QFileInfo>

#include "UtilexFixture.h"
#include "automation/Components.h"
#include "automation/Registry.h"
#include "automation/TypeInfo.h"
#include "interaction/ScriptedSystemServices.h"
#include "platform/WindowsPath.h"

using automation::Variant;
using automation::VarType;

namespace {

using namespace Qt::StringLiterals;

const QString firstProgId = u"Utilex.UtilexClass"_s;

struct ValdirCase {
    const char16_t* path;
    std::int16_t expected;
    const char16_t* writtenBack;
};

std::ostream& operator<<(std::ostream& out, const ValdirCase& valdir)
{
    return out << '"' << QString::fromUtf16(valdir.path).toStdString() << '"';
}

class UtilexValdirTest : public UtilexTest, public ::testing::WithParamInterface<ValdirCase> {};

const automation::MethodInfo& method(const automation::InterfaceInfo& info, const QString& name)
{
    return info.methods.at(std::size_t(info.indexOf(name)));
}

} // namespace

TEST_F(UtilexTest, UtilexRegistersBesideUtilex4UnderItsOwnIdentity)
{
    const auto registration = automation::registry::find(u"utilex.utilexclass"_s);
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->clsid, QUuid(u"{3222AC08-8CA2-11D3-97EB-0000E8740307}"_s));
    EXPECT_EQ(registration->libid, QUuid(u"{3222AC09-8CA2-11D3-97EB-0000E8740307}"_s));
    EXPECT_EQ(registration->iid, QUuid(u"{3222AC07-8CA2-11D3-97EB-0000E8740307}"_s));
    EXPECT_EQ(registration->className, u"UtilexClass"_s);
    EXPECT_EQ(registration->interfaceName, u"_UtilexClass"_s);
    EXPECT_EQ(registration->libraryName, u"Utilex"_s);
    EXPECT_EQ(registration->libraryVersion, u"1.0"_s);
    EXPECT_EQ(registration->threading, u"Apartment"_s);
    EXPECT_EQ(QFileInfo(platform::windowsPath::toHost(registration->serverPath)).canonicalFilePath(),
              QFileInfo(firstLibraryFile()).canonicalFilePath());

    const auto current = automation::registry::find(QString::fromUtf16(utilex::UtilexProgId));
    ASSERT_TRUE(current);
    EXPECT_EQ(current->libraryName, u"Utilex4"_s);
    EXPECT_EQ(QFileInfo(platform::windowsPath::toHost(current->serverPath)).canonicalFilePath(),
              QFileInfo(libraryFile()).canonicalFilePath());
}

TEST_F(UtilexTest, UtilexTypeLibraryHasItsFortyFourMethodsInSlotOrder)
{
    const auto library = automation::loadTypeLibrary(firstProgId);
    EXPECT_EQ(library->name, u"Utilex"_s);
    EXPECT_EQ(library->majorVersion, 1);
    EXPECT_EQ(library->minorVersion, 0);
    EXPECT_EQ(library->libid, QUuid(u"{3222AC09-8CA2-11D3-97EB-0000E8740307}"_s));
    EXPECT_EQ(library->fileVersion, u"1.0.0.0"_s);
    ASSERT_EQ(library->classes.size(), 1u);
    const auto& info = library->classes.front();
    EXPECT_TRUE(info.creatable);
    EXPECT_EQ(info.clsid, QUuid(u"{3222AC08-8CA2-11D3-97EB-0000E8740307}"_s));
    ASSERT_EQ(info.defaultInterface, first().interfaceInfo());
    const auto& interface = *info.defaultInterface;
    EXPECT_TRUE(interface.dual);
    EXPECT_EQ(interface.iid, QUuid(u"{3222AC07-8CA2-11D3-97EB-0000E8740307}"_s));

    ASSERT_EQ(interface.methods.size(), std::size(firstUtilexMethodsInSlotOrder));
    ASSERT_EQ(interface.methods.size(), 44u);
    for (std::size_t i = 0; i < interface.methods.size(); ++i) {
        EXPECT_EQ(interface.methods[i].name, QString::fromUtf16(firstUtilexMethodsInSlotOrder[i]));
        EXPECT_EQ(first().idOfName(interface.methods[i].name.toUpper()), interface.dispatchIdOf(int(i)));
    }

    const auto& valdir = method(interface, u"Valdir"_s);
    ASSERT_EQ(valdir.parameters.size(), 1u);
    EXPECT_EQ(valdir.parameters[0].name, u"sIncoming"_s);
    EXPECT_EQ(valdir.parameters[0].type, VarType::String);
    EXPECT_TRUE(valdir.parameters[0].byRef);
    EXPECT_EQ(valdir.result, VarType::Integer);
    EXPECT_TRUE(method(interface, u"RunningOnIDE"_s).parameters.empty());
    EXPECT_EQ(method(interface, u"RunningOnIDE"_s).result, VarType::Variant);
    const auto& split = method(interface, u"Split"_s);
    EXPECT_EQ(split.parameters.size(), 2u);
    EXPECT_EQ(split.result, VarType::Variant);
    EXPECT_EQ(method(interface, u"RightString"_s).parameters.at(2).optional, true);
}

// One process holds both libraries; each answers only its own table.
TEST_F(UtilexTest, BothLibrariesAnswerSideBySideEachWithItsOwnTable)
{
    EXPECT_EQ(first().call(u"LeftString"_s, {Variant(u"ab.c"), Variant(u".")}), Variant(u"ab"));
    EXPECT_EQ(call(u"LeftString", {Variant(u"ab.c"), Variant(u".")}), Variant(u"ab"));
    EXPECT_TRUE(automation::isLibraryLoaded(libraryFile()));
    EXPECT_TRUE(automation::isLibraryLoaded(firstLibraryFile()));

    for (const QString& onlyInUtilex4 : {u"InsStr"_s, u"GetAppPath"_s, u"GetMouseKey"_s, u"IsPrinterInstalled"_s,
                                         u"MySplit"_s, u"SaveAllFormValueControlToIni"_s})
        EXPECT_EQ(first().idOfName(onlyInUtilex4), automation::DispatchObject::unknownName)
            << onlyInUtilex4.toStdString();
    for (const QString& onlyInUtilex : {u"Valdir"_s, u"Split"_s, u"RunningOnIDE"_s})
        EXPECT_EQ(m_object->idOfName(onlyInUtilex), automation::DispatchObject::unknownName)
            << onlyInUtilex.toStdString();
    EXPECT_EQ(errorNumberOf([&] {
                  first().call(u"InsStr"_s, {Variant(u"abc"), Variant(u"X"), Variant::fromInteger(2)});
              }),
              438);
}

TEST_F(UtilexTest, EachLibraryUnloadsWithItsOwnLastInstance)
{
    auto older = automation::createObject(firstProgId);
    EXPECT_TRUE(automation::isLibraryLoaded(firstLibraryFile()));
    older.reset();
    EXPECT_FALSE(automation::isLibraryLoaded(firstLibraryFile()));
    EXPECT_TRUE(automation::isLibraryLoaded(libraryFile()));
    EXPECT_EQ(call(u"ReverseString", {Variant(u"abc")}), Variant(u"cba"));
}

// Utilex reports the platform's own error of the level it could not make (68, device unavailable);
// Utilex4 ends its walk with 76 as it always has.
TEST_F(UtilexTest, MakeDirOnABadDriveRaisesInBothLibraries)
{
    EXPECT_EQ(errorNumberOf([&] { first().call(u"MakeDir"_s, {Variant(u"Q:\\Archivio\\2026")}); }), 68);
    EXPECT_EQ(errorNumberOf([&] { call(u"MakeDir", {Variant(u"Q:\\Archivio\\2026")}); }), 76);
}

TEST_F(UtilexTest, UtilexMakeDirCreatesEveryLevelAndReportsALevelThatCannotBeMade)
{
    std::vector<Variant> path{Variant(u"C:\\Uno\\Due\\Tre")};
    EXPECT_EQ(first().callByRef(u"MakeDir"_s, path), Variant());
    EXPECT_EQ(path[0], Variant(u"C:\\Uno\\Due\\Tre\\"));
    EXPECT_TRUE(QFileInfo(hostOfC(u"Uno/Due/Tre"_s)).isDir());
    EXPECT_EQ(first().call(u"MakeDir"_s, {Variant(u"C:\\Uno\\Due")}), Variant());

    writeHostFile(hostOfC(u"file.txt"_s), "x");
    EXPECT_EQ(errorNumberOf([&] { first().call(u"MakeDir"_s, {Variant(u"C:\\file.txt\\sotto")}); }), 75);
    // A drive root lists, so there is nothing to make.
    EXPECT_EQ(first().call(u"MakeDir"_s, {Variant(u"C:\\")}), Variant());
}

TEST_P(UtilexValdirTest, IsTrueWhenTheFolderListsAndWritesTheBackslashBack)
{
    writeHostFile(hostOfC(u"file.txt"_s), "x");
    makeHostFolder(hostOfC(u"Modelli/vuota"_s));
    std::vector<Variant> arguments{Variant(GetParam().path)};
    EXPECT_EQ(first().callByRef(u"Valdir"_s, arguments), Variant::fromInteger(GetParam().expected));
    EXPECT_EQ(arguments[0], Variant(GetParam().writtenBack));
}

INSTANTIATE_TEST_SUITE_P(Paths, UtilexValdirTest,
                         ::testing::Values(ValdirCase{u"C:\\Modelli", -1, u"C:\\Modelli\\"},
                                           ValdirCase{u"C:\\Modelli\\vuota\\", -1, u"C:\\Modelli\\vuota\\"},
                                           ValdirCase{u"C:\\", -1, u"C:\\"},
                                           ValdirCase{u"C:\\Manca", 0, u"C:\\Manca\\"},
                                           ValdirCase{u"C:\\file.txt", 0, u"C:\\file.txt\\"},
                                           ValdirCase{u"D:\\", 0, u"D:\\"}, ValdirCase{u"Q:\\a", 0, u"Q:\\a\\"},
                                           // "\" is the root of the current drive.
                                           ValdirCase{u"", -1, u"\\"}));

TEST_F(UtilexTest, SplitIsMySplitAndRunningOnIdeIsFalse)
{
    const Variant pieces = first().call(u"Split"_s, {Variant(u"a,b,"), Variant(u",")});
    EXPECT_EQ(pieces, call(u"MySplit", {Variant(u"a,b,"), Variant(u",")}));
    EXPECT_EQ(pieces, Variant::array({Variant(u"a"), Variant(u"b"), Variant(u"")}, 1));
    EXPECT_EQ(first().call(u"RunningOnIDE"_s), Variant::fromBoolean(false));
}

TEST_F(UtilexTest, UtilexReachesTheSameDesktopServices)
{
    interaction::ScriptedSystemServices services;
    first().call(u"SetCapsLock"_s, {Variant::fromBoolean(true)});
    EXPECT_EQ(first().call(u"GetCapsLock"_s), Variant::fromBoolean(true));
    EXPECT_EQ(call(u"GetCapsLock"), Variant::fromBoolean(true));
    first().call(u"ShowTaskBar"_s, {Variant::fromBoolean(false)});
    EXPECT_EQ(errorNumberOf([&] { first().call(u"ExitWin"_s, {Variant(u"no")}); }), 13);
    EXPECT_EQ(services.calls(), (QStringList{u"SetKeyboardState"_s, u"ShowPanels hidden"_s}));
}
