#include "automation/ComponentServer.h"

#include <gtest/gtest.h>

#include "automation/Registry.h"
#include "automation/Screen.h"
#include "automation/TypedDispatch.h"
#include "platform/WindowsPath.h"
#include "tests/support/TestWorkstation.h"

using namespace automation;

namespace {

const QUuid creatableId = QUuid::fromString(u"{5E7D0001-0000-4000-8000-000000000001}");
const QUuid hiddenId = QUuid::fromString(u"{5E7D0001-0000-4000-8000-000000000002}");

const InterfaceInfo emptyInterface{
    QStringLiteral("_Plain"), QUuid::fromString(u"{5E7D0002-0000-4000-8000-000000000001}"), true, {}};

const LibraryInfo library{QStringLiteral("Plain"),
                          2,
                          3,
                          1033,
                          QUuid::fromString(u"{5E7D0003-0000-4000-8000-000000000001}"),
                          QStringLiteral("2.3.0.0"),
                          {{QStringLiteral("PlainClass"), creatableId, QStringLiteral("Plain.PlainClass"), true, false,
                            QStringLiteral("Both"), &emptyInterface},
                           {QStringLiteral("Hidden"), hiddenId, QStringLiteral("Plain.Hidden"), false, false,
                            QStringLiteral("Apartment"), &emptyInterface}}};

class PlainObject : public TypedDispatch {
public:
    explicit PlainObject(ComponentServer& server) : TypedDispatch(emptyInterface), m_server(server)
    {
        m_server.objectCreated();
    }
    ~PlainObject() override { m_server.objectDestroyed(); }

private:
    ComponentServer& m_server;
};

class ComponentServerTest : public testing::Test {
protected:
    TestWorkstation m_workstation;
    ComponentServer m_server{library, {{creatableId, [this] { return std::make_shared<PlainObject>(m_server); }}}};
};

TEST_F(ComponentServerTest, FactoriesOnlyForItsClassesAndUnloadOnlyWithoutInstances)
{
    ClassFactory* factory = nullptr;
    ClassFactory* none = nullptr;
    ASSERT_EQ(m_server.getClassObject(creatableId, &none), S_OK);
    EXPECT_EQ(m_server.getClassObject(hiddenId, &none), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(none, nullptr);
    ASSERT_EQ(m_server.getClassObject(creatableId, &factory), S_OK);
    ASSERT_NE(factory, nullptr);

    EXPECT_EQ(m_server.canUnloadNow(), S_OK);
    auto first = factory->createInstance();
    auto second = factory->createInstance();
    EXPECT_NE(first, second);
    EXPECT_EQ(m_server.canUnloadNow(), S_FALSE);
    first.reset();
    EXPECT_EQ(m_server.canUnloadNow(), S_FALSE);
    second.reset();
    EXPECT_EQ(m_server.canUnloadNow(), S_OK);
}

TEST_F(ComponentServerTest, RegistersOnlyCreatableClassesWithTheLibraryPathInWindowsForm)
{
    const QString hostPath = m_workstation.root() + QStringLiteral("/drive_c/Plain.dll");
    ASSERT_EQ(m_server.registerServer(hostPath), S_OK);
    const auto registration = registry::find(QStringLiteral("Plain.PlainClass"));
    ASSERT_TRUE(registration.has_value());
    EXPECT_EQ(registration->serverPath, QStringLiteral("C:\\Plain.dll"));
    EXPECT_EQ(registration->libraryVersion, QStringLiteral("2.3"));
    EXPECT_EQ(registration->threading, QStringLiteral("Both"));
    EXPECT_EQ(registration->interfaceName, QStringLiteral("_Plain"));
    EXPECT_FALSE(registry::find(QStringLiteral("Plain.Hidden")).has_value());

    EXPECT_EQ(m_server.unregisterServer(), S_OK);
    EXPECT_FALSE(registry::find(QStringLiteral("Plain.PlainClass")).has_value());
    EXPECT_EQ(m_server.registerServer(QString()), SELFREG_E_CLASS);
}

TEST(ScreenTest, DefaultsToAnSvgaScreenUntilTheWindowLayerInstallsItself)
{
    EXPECT_EQ(Screen::width(), 12000);
    EXPECT_EQ(Screen::height(), 9000);
    Screen::setMousePointer(11);
    EXPECT_EQ(Screen::mousePointer(), 11);

    int shown = -1;
    Screen::install({[&](int pointer) { shown = pointer; }, [] { return 19200; }, [] { return 14400; }});
    Screen::setMousePointer(0);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(Screen::mousePointer(), 0);
    EXPECT_EQ(Screen::width(), 19200);
    EXPECT_EQ(Screen::height(), 14400);
    Screen::install({});
    EXPECT_EQ(Screen::width(), 12000);
}

} // namespace
