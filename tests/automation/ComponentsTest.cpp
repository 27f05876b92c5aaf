#include <dlfcn.h>

#include <QFile>

#include <gtest/gtest.h>

#include "automation/Registry.h"
#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "tests/automation/TestInterface.h"
#include "tests/automation/TestLibraries.h"

using automation::Variant;

namespace {

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// Whether the dynamic loader still has the file mapped, whatever our table says.
bool mappedInProcess(const QString& path)
{
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

QString guidText(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

// An interface no test component implements.
class _Other : public virtual automation::DispatchObject {
public:
    virtual void Nothing() = 0;
};

using ComponentsTest = TestLibraries;

TEST_F(ComponentsTest, RegistrationWritesBothClassesSideBySide)
{
    const QString text = m_workstation.registryText();
    for (const TestIdentity& identity : testIdentities) {
        const QString section = QLatin1Char('[') + guidText(identity.clsid) + QLatin1Char(']');
        EXPECT_TRUE(text.contains(section)) << section.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("ProgID=") + QString::fromUtf16(identity.progId)));
    }
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n")));

    const auto a = automation::registry::find(QStringLiteral("testliba.UTILEXCLASS"));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->clsid, testIdentities[0].clsid);
    EXPECT_EQ(a->progId, QStringLiteral("TestLibA.UtilexClass"));
    EXPECT_EQ(a->className, QStringLiteral("UtilexClass"));
    EXPECT_EQ(a->libid, testIdentities[0].libid);
    EXPECT_EQ(a->libraryName, QStringLiteral("TestLibA"));
    EXPECT_EQ(a->libraryVersion, QStringLiteral("1.0"));
    EXPECT_EQ(a->iid, testIdentities[0].iid);
    EXPECT_EQ(a->interfaceName, QStringLiteral("_UtilexClass"));
    EXPECT_EQ(a->threading, QStringLiteral("Apartment"));
    EXPECT_EQ(a->serverPath, platform::windowsPath::fromHost(libraryA()));
    EXPECT_TRUE(a->serverPath.contains(QLatin1Char('\\')));

    const auto b = automation::registry::find(guidText(testIdentities[1].clsid).toLower());
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->progId, QStringLiteral("TestLibB.UtilexClass"));
}

TEST_F(ComponentsTest, UnregisteringRemovesOnlyThatLibrary)
{
    automation::unregisterLibrary(libraryA());
    EXPECT_FALSE(automation::registry::find(QStringLiteral("TestLibA.UtilexClass")).has_value());
    EXPECT_FALSE(automation::registry::find(guidText(testIdentities[0].clsid)).has_value());
    EXPECT_FALSE(m_workstation.registryText().contains(guidText(testIdentities[0].clsid)));
    EXPECT_TRUE(automation::registry::find(QStringLiteral("TestLibB.UtilexClass")).has_value());

    automation::registerLibrary(libraryA());
    EXPECT_TRUE(automation::registry::find(QStringLiteral("TestLibA.UtilexClass")).has_value());
}

TEST_F(ComponentsTest, CreatesTheRightClassByProgIdAndByClassId)
{
    EXPECT_EQ(automation::createObject(QStringLiteral("TestLibA.UtilexClass"))->call(QStringLiteral("Which")),
              Variant(u"TestLibA"));
    EXPECT_EQ(automation::createObject(QStringLiteral("testlibb.utilexclass"))->call(QStringLiteral("Which")),
              Variant(u"TestLibB"));
    EXPECT_EQ(automation::createObject(guidText(testIdentities[0].clsid))->call(QStringLiteral("Which")),
              Variant(u"TestLibA"));
    EXPECT_EQ(automation::createObject(guidText(testIdentities[1].clsid))->call(QStringLiteral("Which")),
              Variant(u"TestLibB"));
}

TEST_F(ComponentsTest, EarlyBindingThroughTheDualInterface)
{
    const auto object = automation::createObjectAs<_TestClass>(QStringLiteral("TestLibB.UtilexClass"));
    EXPECT_EQ(object->Which(), QStringLiteral("TestLibB"));
    QString target = QStringLiteral("x");
    EXPECT_EQ(object->Concat(target, QStringLiteral("y")), QStringLiteral("xy"));
    EXPECT_EQ(target, QStringLiteral("xy"));
    EXPECT_EQ(errorOf([] { automation::createObjectAs<_Other>(QStringLiteral("TestLibB.UtilexClass")); }), 13);
}

TEST_F(ComponentsTest, ClassesThatCannotBeCreatedRaise429)
{
    for (const char* name : {"Nobody.Nothing", "", "{00000000-0000-0000-0000-00000000000F}", "{garbage}"})
        EXPECT_EQ(errorOf([&] { automation::createObject(QString::fromLatin1(name)); }), 429) << name;

    automation::unregisterLibrary(libraryB());
    EXPECT_EQ(errorOf([] { automation::createObject(QStringLiteral("TestLibB.UtilexClass")); }), 429);

    // Registered, but the library file is gone.
    const QString copy = m_workstation.root() + QStringLiteral("/drive_c/Moved.dll");
    ASSERT_TRUE(QFile::copy(libraryB(), copy));
    automation::registerLibrary(copy);
    ASSERT_TRUE(QFile::remove(copy));
    EXPECT_EQ(errorOf([] { automation::createObject(QStringLiteral("TestLibB.UtilexClass")); }), 429);
}

TEST_F(ComponentsTest, TheLibraryUnloadsWhenItsLastInstanceIsGone)
{
    EXPECT_FALSE(automation::isLibraryLoaded(libraryA()));
    auto first = automation::createObject(QStringLiteral("TestLibA.UtilexClass"));
    auto second = automation::createObject(QStringLiteral("TestLibA.UtilexClass"));
    EXPECT_TRUE(automation::isLibraryLoaded(libraryA()));
    EXPECT_FALSE(automation::isLibraryLoaded(libraryB()));

    const Variant which = first->call(QStringLiteral("Which"));
    first.reset();
    EXPECT_TRUE(automation::isLibraryLoaded(libraryA()));
    second.reset();
    EXPECT_FALSE(automation::isLibraryLoaded(libraryA()));
    EXPECT_FALSE(mappedInProcess(libraryA()));
    // Texts made by the library outlive it.
    EXPECT_EQ(which.toString(), QStringLiteral("TestLibA"));

    auto again = automation::createObject(QStringLiteral("TestLibA.UtilexClass"));
    EXPECT_EQ(again->call(QStringLiteral("Which")), Variant(u"TestLibA"));
}

TEST_F(ComponentsTest, ErrorDescriptionsOutliveTheLibrary)
{
    platform::RuntimeError caught(0);
    {
        auto object = automation::createObject(QStringLiteral("TestLibA.UtilexClass"));
        try {
            object->call(QStringLiteral("Fail"), {Variant::fromLong(5)});
        } catch (const platform::RuntimeError& error) {
            caught = error;
        }
    }
    ASSERT_FALSE(mappedInProcess(libraryA()));
    EXPECT_EQ(caught.number(), 5);
    EXPECT_EQ(caught.description(), QStringLiteral("Failure asked by the caller"));
}

TEST_F(ComponentsTest, TypeInformationComesFromTheLibrary)
{
    auto library = automation::loadTypeLibrary(QStringLiteral("TestLibB.UtilexClass"));
    EXPECT_TRUE(automation::isLibraryLoaded(libraryB()));
    EXPECT_EQ(library->name, QStringLiteral("TestLibB"));
    ASSERT_EQ(library->classes.size(), 1u);
    ASSERT_NE(library->classes[0].defaultInterface, nullptr);
    EXPECT_EQ(library->classes[0].defaultInterface->methods.size(), 8u);
    library.reset();
    EXPECT_FALSE(automation::isLibraryLoaded(libraryB()));
}

TEST_F(ComponentsTest, RegisteringSomethingElseFailsClearly)
{
    EXPECT_EQ(errorOf([&] { automation::registerLibrary(m_workstation.root() + QStringLiteral("/none.dll")); }), 48);
    const QString notAComponent = TestWorkstation::builtProgram(QStringLiteral("libtramex_platform.so"));
    try {
        automation::registerLibrary(notAComponent);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), 453);
        EXPECT_TRUE(error.description().contains(QStringLiteral("DllRegisterServer")));
    }
}

} // namespace
