#include <QFileInfo>

#include "UtilexFixture.h"
#include "automation/Components.h"
#include "automation/Registry.h"
#include "automation/TypeInfo.h"
#include "platform/WindowsPath.h"

using automation::Variant;
using automation::VarType;

namespace {

const automation::ParameterInfo& parameter(const automation::InterfaceInfo& info, const char16_t* method, int index)
{
    return info.methods.at(std::size_t(info.indexOf(QString::fromUtf16(method)))).parameters.at(std::size_t(index));
}

std::vector<Variant> text()
{
    return {Variant(u"x")};
}
std::vector<Variant> object()
{
    return {Variant(automation::ObjectRef())};
}
std::vector<Variant> objectAndText()
{
    return {Variant(automation::ObjectRef()), Variant(u"x.ini")};
}
std::vector<Variant> twoObjectsAndText()
{
    return {Variant(automation::ObjectRef()), Variant(automation::ObjectRef()), Variant(u"x.ini")};
}

} // namespace

TEST_F(UtilexTest, RegistersItsIdentityAndCreatesByNameAndByClassId)
{
    const auto registration = automation::registry::find(QStringLiteral("utilex4.utilexclass"));
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->clsid, QUuid(QStringLiteral("{26D6ED80-0326-4D1E-8725-483965E7A67D}")));
    EXPECT_EQ(registration->libid, QUuid(QStringLiteral("{EAA9A4EE-4C8C-4F2B-9CEC-85572921528A}")));
    EXPECT_EQ(registration->iid, QUuid(QStringLiteral("{C206809D-BCB2-48C4-A5C6-91080F4397A3}")));
    EXPECT_EQ(registration->className, QStringLiteral("UtilexClass"));
    EXPECT_EQ(registration->interfaceName, QStringLiteral("_UtilexClass"));
    EXPECT_EQ(registration->libraryName, QStringLiteral("Utilex4"));
    EXPECT_EQ(registration->libraryVersion, QStringLiteral("1.0"));
    EXPECT_EQ(registration->threading, QStringLiteral("Apartment"));
    EXPECT_EQ(QFileInfo(platform::windowsPath::toHost(registration->serverPath)).canonicalFilePath(),
              QFileInfo(libraryFile()).canonicalFilePath());

    auto byClassId =
        automation::createObjectAs<utilex::_UtilexClass>(QStringLiteral("{26D6ED80-0326-4D1E-8725-483965E7A67D}"));
    QString text = QStringLiteral("ab.c");
    QString separator = QStringLiteral(".");
    EXPECT_EQ(byClassId->LeftString(text, separator), QStringLiteral("ab"));
}

TEST_F(UtilexTest, TypeLibraryDescribesTheDualInterfaceInSlotOrder)
{
    const auto library = automation::loadTypeLibrary(QString::fromUtf16(utilex::UtilexProgId));
    EXPECT_EQ(library->name, QStringLiteral("Utilex4"));
    EXPECT_EQ(library->majorVersion, 1);
    EXPECT_EQ(library->minorVersion, 0);
    EXPECT_EQ(library->locale, 1033);
    EXPECT_EQ(library->fileVersion, QStringLiteral("4.0.0.1"));
    ASSERT_EQ(library->classes.size(), 1u);
    const auto& info = library->classes.front();
    EXPECT_TRUE(info.creatable);
    EXPECT_TRUE(info.appObject);
    ASSERT_EQ(info.defaultInterface, m_object->interfaceInfo());
    const auto& interface = *info.defaultInterface;
    EXPECT_TRUE(interface.dual);

    ASSERT_EQ(interface.methods.size(), std::size(utilexMethodsInSlotOrder));
    for (std::size_t i = 0; i < interface.methods.size(); ++i) {
        EXPECT_EQ(interface.methods[i].name, QString::fromUtf16(utilexMethodsInSlotOrder[i]));
        EXPECT_EQ(m_object->idOfName(interface.methods[i].name.toLower()), interface.dispatchIdOf(int(i)));
    }

    const auto& fromStart = parameter(interface, u"RightString", 2);
    EXPECT_TRUE(fromStart.optional);
    EXPECT_FALSE(fromStart.defaultValue);
    EXPECT_EQ(fromStart.type, VarType::Boolean);
    EXPECT_EQ(parameter(interface, u"SaveAllFormValueControlToIni", 2).defaultValue, Variant::fromBoolean(false));
    EXPECT_FALSE(parameter(interface, u"SaveAllFormValueControlToIni", 0).byRef);
    EXPECT_EQ(parameter(interface, u"DisableControl", 2).defaultValue, Variant::fromBoolean(true));
    EXPECT_EQ(parameter(interface, u"DisableControl", 2).type, VarType::Variant);
    EXPECT_FALSE(parameter(interface, u"GetDiskFreeSpaceA", 0).byRef);
    EXPECT_TRUE(parameter(interface, u"GetDiskFreeSpaceA", 1).byRef);
    EXPECT_EQ(interface.methods[std::size_t(interface.indexOf(QStringLiteral("FileExists")))].result, VarType::Integer);
}

TEST_F(UtilexTest, LibraryUnloadsWithItsLastInstance)
{
    EXPECT_TRUE(automation::isLibraryLoaded(libraryFile()));
    auto second = automation::createObject(QString::fromUtf16(utilex::UtilexProgId));
    m_object.reset();
    m_utilex.reset();
    EXPECT_TRUE(automation::isLibraryLoaded(libraryFile()));
    second.reset();
    EXPECT_FALSE(automation::isLibraryLoaded(libraryFile()));
}

// Without a window layer there are no windows: nothing to close, no MDI child to count; a form
// or control left out is Nothing (91), a text in its place a type mismatch (13).
TEST_F(UtilexTest, FormMethodsAnswerWithoutAWindowLayer)
{
    EXPECT_EQ(call(u"AppClose", {Variant(u"Schedex")}), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"GetMDIChildCount"), Variant::fromInteger(0));
    for (const char16_t* method : {u"CenterForm", u"SelText", u"DisableControl"}) {
        EXPECT_EQ(errorNumberOf([&] { call(method, object()); }), 91) << QString::fromUtf16(method).toStdString();
        EXPECT_EQ(errorNumberOf([&] { call(method, text()); }), 13) << QString::fromUtf16(method).toStdString();
    }
    for (const char16_t* method :
         {u"LoadFormPosition", u"SaveFormPosition", u"SaveAllFormValueControlToIni", u"LoadAllFormValueControlFromIni"})
        EXPECT_EQ(errorNumberOf([&] { call(method, objectAndText()); }), 91)
            << QString::fromUtf16(method).toStdString();
    for (const char16_t* method : {u"LoadOneControlValueFromIni", u"SaveOneControlValue2Ini"})
        EXPECT_EQ(errorNumberOf([&] { call(method, twoObjectsAndText()); }), 91)
            << QString::fromUtf16(method).toStdString();
    EXPECT_EQ(errorNumberOf([&] {
                  call(u"AlwaysOnTop", {Variant(automation::ObjectRef()), Variant::fromBoolean(true)});
              }),
              91);
    EXPECT_EQ(errorNumberOf([&] {
                  call(u"TileBkgd", {Variant(automation::ObjectRef()), Variant(automation::ObjectRef()), Variant(u"")});
              }),
              0);
}
