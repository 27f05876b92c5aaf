#include <algorithm>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include "DisplayTest.h"
#include "automation/Components.h"
#include "platform/Workstation.h"

namespace {

// formhost programs on a virtual X display, on a workstation with Utilex4 registered: one shows
// its window and waits, another calls a method of Utilex4 that reaches the first one's window.
class FormhostDisplayTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString bin = qEnvironmentVariable("TRAMEX_BIN_DIR");
        m_formhost = QDir(bin).filePath(QStringLiteral("formhost"));
        ASSERT_TRUE(QFile::exists(m_formhost)) << "TRAMEX_BIN_DIR must hold formhost";
        ASSERT_TRUE(m_root.isValid());
        platform::Workstation::layOutDefault(m_root.path());
        platform::Workstation::use(m_root.path());
        automation::registerLibrary(QDir(bin).filePath(QStringLiteral("Utilex4.dll")));
    }

    void TearDown() override
    {
        for (auto& process : m_processes) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    QProcess& start(const QStringList& arguments)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display().name());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), m_root.path());
        process->setProcessEnvironment(environment);
        process->start(m_formhost, arguments);
        m_processes.push_back(std::move(process));
        return *m_processes.back();
    }

    // What a formhost that ends by itself printed.
    QString run(const QStringList& arguments)
    {
        QProcess& process = start(arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // A formhost that stays, once its window is shown; its window handle.
    std::uint32_t startWaiting(const QString& title)
    {
        QProcess& process = start({QStringLiteral("--title"), title, QStringLiteral("--stay")});
        m_waiting = &process;
        const QRegularExpression handle(QStringLiteral("FrmHost\\.hwnd: (\\d+)"));
        QString output;
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(100);
            output += QString::fromUtf8(process.readAllStandardOutput());
            const auto match = handle.match(output);
            if (match.hasMatch())
                return match.captured(1).toUInt();
        }
        ADD_FAILURE() << "formhost did not show its window: " << process.readAllStandardError().toStdString();
        return 0;
    }

    // The window's _NET_WM_STATE and the atom _NET_WM_STATE_ABOVE.
    std::pair<std::vector<std::uint32_t>, std::uint32_t> netWmState(std::uint32_t window) const
    {
        xcb_connection_t* connection = xcb_connect(display().name().toLocal8Bit().constData(), nullptr);
        const auto atom = [connection](const char* name) {
            std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
                xcb_intern_atom_reply(connection,
                                      xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
                &std::free);
            return reply->atom;
        };
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64),
                                   nullptr),
            &std::free);
        std::vector<std::uint32_t> states;
        if (reply) {
            const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            states.assign(values, values + xcb_get_property_value_length(reply.get()) / 4);
        }
        const std::uint32_t above = atom("_NET_WM_STATE_ABOVE");
        xcb_disconnect(connection);
        return {states, above};
    }

    QTemporaryDir m_root;
    QString m_formhost;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess* m_waiting = nullptr;
};

bool contains(const std::pair<std::vector<std::uint32_t>, std::uint32_t>& statesAndAtom)
{
    const auto& [states, atom] = statesAndAtom;
    return std::find(states.begin(), states.end(), atom) != states.end();
}

} // namespace

TEST_F(FormhostDisplayTest, AppCloseClosesAnotherProgramsWindowByItsTitle)
{
    ASSERT_NE(startWaiting(QStringLiteral("Listino da chiudere")), 0u);
    EXPECT_TRUE(
        run({QStringLiteral("AppClose"), QStringLiteral("Listino da")}).startsWith(QStringLiteral("result: False\n")));
    EXPECT_EQ(m_waiting->state(), QProcess::Running);

    EXPECT_TRUE(run({QStringLiteral("AppClose"), QStringLiteral("Listino da chiudere")})
                    .startsWith(QStringLiteral("result: True\n")));
    ASSERT_TRUE(m_waiting->waitForFinished(10000));
    EXPECT_EQ(m_waiting->exitCode(), 0);

    EXPECT_TRUE(run({QStringLiteral("AppClose"), QStringLiteral("Listino da chiudere")})
                    .startsWith(QStringLiteral("result: False\n")));
}

TEST_F(FormhostDisplayTest, AlwaysOnTopReachesAnotherProgramsWindowByItsHandle)
{
    const std::uint32_t window = startWaiting(QStringLiteral("Sempre sopra"));
    ASSERT_NE(window, 0u);
    const QString handle = QStringLiteral("hwnd:%1").arg(window);
    run({QStringLiteral("AlwaysOnTop"), handle, QStringLiteral("True")});
    EXPECT_TRUE(contains(netWmState(window)));
    run({QStringLiteral("AlwaysOnTop"), handle, QStringLiteral("False")});
    EXPECT_FALSE(contains(netWmState(window)));
    EXPECT_EQ(m_waiting->state(), QProcess::Running);
}

// The system helpers through the desktop's own services: what one program sets on the display,
// the next one reads.
TEST_F(FormhostDisplayTest, TheLockTogglesAreTheDisplaysKeyboard)
{
    for (const QString& lock : {QStringLiteral("Caps"), QStringLiteral("Num")}) {
        run({QStringLiteral("Set%1Lock").arg(lock), QStringLiteral("True")});
        EXPECT_TRUE(run({QStringLiteral("Get%1Lock").arg(lock)}).startsWith(QStringLiteral("result: True\n")))
            << lock.toStdString();
        run({QStringLiteral("Set%1Lock").arg(lock), QStringLiteral("False")});
        EXPECT_TRUE(run({QStringLiteral("Get%1Lock").arg(lock)}).startsWith(QStringLiteral("result: False\n")))
            << lock.toStdString();
    }
}

TEST_F(FormhostDisplayTest, GetMouseKeySeesTheButtonsHeldOnTheDisplay)
{
    xcb_connection_t* user = xcb_connect(display().name().toLocal8Bit().constData(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(user)).data->root;
    const auto fake = [&](std::uint8_t type, std::uint8_t button) {
        xcb_test_fake_input(user, type, button, XCB_CURRENT_TIME, root, 0, 0, 0);
        std::free(xcb_get_input_focus_reply(user, xcb_get_input_focus(user), nullptr));
    };
    fake(XCB_BUTTON_PRESS, 3);
    EXPECT_TRUE(run({QStringLiteral("GetMouseKey")}).startsWith(QStringLiteral("result: 2\n")));
    fake(XCB_BUTTON_PRESS, 1);
    EXPECT_TRUE(run({QStringLiteral("GetMouseKey")}).startsWith(QStringLiteral("result: 1\n")));
    fake(XCB_BUTTON_RELEASE, 1);
    fake(XCB_BUTTON_RELEASE, 3);
    EXPECT_TRUE(run({QStringLiteral("GetMouseKey")}).startsWith(QStringLiteral("result: 0\n")));
    xcb_disconnect(user);
}

// A print server that is not there: a machine without printers.
TEST_F(FormhostDisplayTest, WithoutPrintersIsPrinterInstalledIsFalseAndPrintingRaises484)
{
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(m_root.filePath(QStringLiteral("no-cups.sock"))));
    EXPECT_TRUE(run({QStringLiteral("IsPrinterInstalled")}).startsWith(QStringLiteral("result: False\n")));
    QProcess& printing = start(
        {QStringLiteral("PrinterPrintAt"), QStringLiteral("Modello 12"), QStringLiteral("0"), QStringLiteral("0")});
    ASSERT_TRUE(printing.waitForFinished(30000));
    const QByteArray error = printing.readAllStandardError();
    EXPECT_TRUE(error.contains("error 484: ")) << error.toStdString();
    if (server.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
}
