#include <QFileInfo>

#include <gtest/gtest.h>

#include "automation/Components.h"
#include "automation/Registry.h"
#include "automation/TypeInfo.h"
#include "grid/Grivo.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/grid/FakeGrid.h"
#include "tests/support/grid/GrivoCase.h"
#include "tests/support/grid/GrivolaWorkstation.h"

namespace {

using automation::Variant;
using automation::VarType;

constexpr const char16_t* methodsInSlotOrder[] = {
    u"Grid_Text_Move",  u"GridSelCopy",    u"GridSelPaste",       u"IncollaMultiplo",
    u"RinumeraGriglia", u"GridLineDelete", u"GridLineCut",        u"GridLinePaste",
    u"GridLineCopy",    u"GridSelCut",     u"GridSelFormat",      u"DimensionaRigaGriglia",
    u"GetSelPos",       u"MultiEdit",      u"CancellaLineeVuote", u"GridCellColor",
};

class GrivolaTest : public testing::Test {
protected:
    GrivolaTest()
        : m_grivo(automation::createObjectAs<grid::_Grivo>(QString::fromUtf16(grid::GrivoProgId))), m_object(m_grivo)
    {
    }

    // One cell holding text below the header, selected.
    static std::shared_ptr<gridtest::FakeGrid> gridHolding(const QString& text)
    {
        gridtest::GridPlan plan;
        plan.cells = {{QString(), QStringLiteral("A")}, {QStringLiteral("1"), text}};
        return std::make_shared<gridtest::FakeGrid>(plan);
    }

    gridtest::GrivolaWorkstation m_workstation;
    std::shared_ptr<grid::_Grivo> m_grivo;
    automation::ObjectRef m_object;
};

TEST_F(GrivolaTest, RegistersItsIdentityAndCreatesByClassId)
{
    const auto registration = automation::registry::find(QStringLiteral("grivola.grivo"));
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->clsid, QUuid(QStringLiteral("{26E7EA85-8CA2-11D3-97EB-0000E8740307}")));
    EXPECT_EQ(registration->libid, QUuid(QStringLiteral("{26E7EA86-8CA2-11D3-97EB-0000E8740307}")));
    EXPECT_EQ(registration->iid, QUuid(QStringLiteral("{26E7EA84-8CA2-11D3-97EB-0000E8740307}")));
    EXPECT_EQ(registration->className, QStringLiteral("Grivo"));
    EXPECT_EQ(registration->interfaceName, QStringLiteral("_Grivo"));
    EXPECT_EQ(registration->libraryName, QStringLiteral("Grivola"));
    EXPECT_EQ(registration->libraryVersion, QStringLiteral("1.0"));
    EXPECT_EQ(registration->threading, QStringLiteral("Apartment"));
    EXPECT_EQ(QFileInfo(platform::windowsPath::toHost(registration->serverPath)).canonicalFilePath(),
              QFileInfo(gridtest::GrivolaWorkstation::libraryFile()).canonicalFilePath());
    EXPECT_TRUE(automation::createObjectAs<grid::_Grivo>(QStringLiteral("{26E7EA85-8CA2-11D3-97EB-0000E8740307}")));
}

TEST_F(GrivolaTest, TypeLibraryDescribesTheSixteenProceduresInSlotOrder)
{
    const auto library = automation::loadTypeLibrary(QString::fromUtf16(grid::GrivoProgId));
    EXPECT_EQ(library->name, QStringLiteral("Grivola"));
    EXPECT_EQ(library->majorVersion, 1);
    EXPECT_EQ(library->minorVersion, 0);
    EXPECT_EQ(library->locale, 1033);
    EXPECT_EQ(library->fileVersion, QStringLiteral("1.0"));
    ASSERT_EQ(library->classes.size(), 1u);
    const automation::ClassInfo& info = library->classes.front();
    EXPECT_TRUE(info.creatable);
    EXPECT_TRUE(info.appObject);
    ASSERT_EQ(info.defaultInterface, m_object->interfaceInfo());
    const automation::InterfaceInfo& interface = *info.defaultInterface;
    EXPECT_TRUE(interface.dual);

    ASSERT_EQ(interface.methods.size(), std::size(methodsInSlotOrder));
    QStringList optional;
    for (std::size_t i = 0; i < interface.methods.size(); ++i) {
        const automation::MethodInfo& method = interface.methods[i];
        EXPECT_EQ(method.name, QString::fromUtf16(methodsInSlotOrder[i]));
        EXPECT_EQ(m_object->idOfName(method.name.toUpper()), interface.dispatchIdOf(int(i)));
        EXPECT_FALSE(method.result) << method.name.toStdString();
        ASSERT_FALSE(method.parameters.empty());
        EXPECT_EQ(method.parameters.front().type, VarType::Object);
        for (const automation::ParameterInfo& parameter : method.parameters) {
            EXPECT_TRUE(parameter.byRef) << parameter.name.toStdString();
            EXPECT_FALSE(parameter.defaultValue) << parameter.name.toStdString();
            if (parameter.optional) {
                optional.append(parameter.name);
                EXPECT_EQ(parameter.type, VarType::Variant);
            }
        }
    }
    EXPECT_EQ(optional, QStringList({QStringLiteral("MaxLen"), QStringLiteral("GridCol")}));
    const auto& getSelPos = interface.methods[std::size_t(interface.indexOf(QStringLiteral("GetSelPos")))];
    ASSERT_EQ(getSelPos.parameters.size(), 5u);
    EXPECT_EQ(getSelPos.parameters[4].name, QStringLiteral("Col2"));
    EXPECT_EQ(getSelPos.parameters[4].type, VarType::Integer);
    EXPECT_EQ(interface.methods[11].parameters[1].type, VarType::Single);
    EXPECT_EQ(interface.methods[15].parameters[1].type, VarType::Single);
}

TEST_F(GrivolaTest, LibraryUnloadsWithItsLastInstance)
{
    const QString library = gridtest::GrivolaWorkstation::libraryFile();
    EXPECT_TRUE(automation::isLibraryLoaded(library));
    m_object.reset();
    m_grivo.reset();
    EXPECT_FALSE(automation::isLibraryLoaded(library));
}

TEST_F(GrivolaTest, EarlyBoundCallerGetsTheSelectionInItsVariables)
{
    gridtest::GridPlan plan;
    plan.cells = {{QString(), QStringLiteral("A"), QStringLiteral("B")},
                  {QStringLiteral("1"), QStringLiteral("a1"), QStringLiteral("b1")},
                  {QStringLiteral("2"), QStringLiteral("a2"), QStringLiteral("b2")}};
    plan.selection = {2, 2, 1, 1};
    automation::ObjectRef fake = std::make_shared<gridtest::FakeGrid>(plan);
    std::int16_t row1 = 0, col1 = 0, row2 = 0, col2 = 0;
    m_grivo->GetSelPos(fake, row1, col1, row2, col2);
    EXPECT_EQ(std::vector<int>({row1, col1, row2, col2}), std::vector<int>({1, 1, 2, 2}));
}

TEST_F(GrivolaTest, NothingAsTheGridIsReportedByGridTextMoveAlone)
{
    const Variant nothing{automation::ObjectRef()};
    EXPECT_EQ(errorNumberOf([&] { m_object->call(QStringLiteral("Grid_Text_Move"), {nothing, nothing}); }), 91);
    const std::vector<std::pair<const char16_t*, std::vector<Variant>>> quiet = {
        {u"GridSelCopy", {}},
        {u"GridSelPaste", {}},
        {u"IncollaMultiplo", {Variant(u"x")}},
        {u"RinumeraGriglia", {}},
        {u"GridLineDelete", {}},
        {u"GridLineCut", {}},
        {u"GridLinePaste", {}},
        {u"GridLineCopy", {}},
        {u"GridSelCut", {}},
        {u"GridSelFormat", {Variant::fromInteger(1)}},
        {u"DimensionaRigaGriglia", {Variant::fromSingle(1)}},
        {u"GetSelPos",
         {Variant::fromInteger(0), Variant::fromInteger(0), Variant::fromInteger(0), Variant::fromInteger(0)}},
        {u"CancellaLineeVuote", {}},
        {u"GridCellColor", {Variant::fromSingle(255), Variant::fromInteger(1)}},
    };
    for (const auto& [method, rest] : quiet) {
        std::vector<Variant> arguments{nothing};
        arguments.insert(arguments.end(), rest.begin(), rest.end());
        EXPECT_EQ(errorNumberOf([&] { m_object->callByRef(QString::fromUtf16(method), arguments); }), 0)
            << QString::fromUtf16(method).toStdString();
    }
}

TEST_F(GrivolaTest, ArgumentsThatDoNotFitTheirTypesFailBeforeTheCommandRuns)
{
    const auto fake = gridHolding(QStringLiteral("abc"));
    const Variant grid{automation::ObjectRef(fake)};
    EXPECT_EQ(errorNumberOf([&] { m_object->call(QStringLiteral("GridSelFormat"), {grid, Variant(u"40000")}); }), 6);
    EXPECT_EQ(errorNumberOf([&] { m_object->call(QStringLiteral("GridSelFormat"), {grid}); }), 449);
    EXPECT_EQ(errorNumberOf([&] { m_object->call(QStringLiteral("GridSelCopy"), {Variant(u"grid")}); }), 13);
    EXPECT_EQ(fake->cells()[1][1], QStringLiteral("abc"));
}

struct FormatCase {
    std::int16_t code;
    const char16_t* before;
    const char16_t* after;
};

void PrintTo(const FormatCase& format, std::ostream* out)
{
    *out << format.code << " on \"" << QString::fromUtf16(format.before).toStdString() << '"';
}

class GrivolaFormatTest : public GrivolaTest, public testing::WithParamInterface<FormatCase> {};

TEST_P(GrivolaFormatTest, ChangesTheCellOneCharacterAtATime)
{
    const auto fake = gridHolding(QString::fromUtf16(GetParam().before));
    automation::ObjectRef grid = fake;
    std::int16_t code = GetParam().code;
    m_grivo->GridSelFormat(grid, code);
    EXPECT_EQ(fake->cells()[1][1], QString::fromUtf16(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Codes, GrivolaFormatTest,
                         testing::Values(FormatCase{1, u"straße ñu", u"STRAßE ÑU"}, FormatCase{2, u"ÀRIA Ñ", u"ària ñ"},
                                         FormatCase{3, u"mARIO rossi", u"Mario rossi"}, FormatCase{3, u"ßAB", u"ßab"},
                                         FormatCase{3, u"", u""}, FormatCase{4, u"tessuto", u""},
                                         FormatCase{5, u"  a b  ", u"a b"}, FormatCase{5, u"\t a \t", u"\t a \t"},
                                         FormatCase{0, u"aB", u"aB"}, FormatCase{7, u"aB", u"aB"},
                                         // Outside the first plane, and a surrogate without its pair.
                                         FormatCase{1, u"a\U00010428b", u"A\U00010400B"},
                                         FormatCase{2, u"\U00010400\xD801X", u"\U00010428\xD801x"}));

} // namespace
