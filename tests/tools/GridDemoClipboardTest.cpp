// GridDemo's copy and paste on the desktop's clipboard: under a virtual X display of the test's
// own, with the program's real seams, another program (xclip) reads what GridSelCopy put there
// and puts there what GridSelPaste takes.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "tests/support/grid/GrivolaWorkstation.h"
#include "tests/ui/VirtualDisplay.h"
#include "tools/GridDemo/GridDemoWindow.h"
#include "ui/QtSeams.h"

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

// The display comes first: the application is made on it, for the whole program.
class XApplication : public testing::Environment {
public:
    void SetUp() override
    {
        s_display = std::make_unique<VirtualDisplay>();
        if (!s_display->isRunning())
            return;
        qputenv("DISPLAY", s_display->name().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override
    {
        m_application.reset();
        s_display.reset();
    }

    static std::unique_ptr<VirtualDisplay> s_display;

private:
    int m_argc = 1;
    char m_name[5] = "test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

std::unique_ptr<VirtualDisplay> XApplication::s_display;

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new XApplication);

// Runs the event loop meanwhile: the window's process answers the other program's requests.
bool waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(20000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

class GridDemoClipboardTest : public testing::Test {
protected:
    void SetUp() override
    {
        const VirtualDisplay& display = *XApplication::s_display;
        if (!display.isInstalled())
            GTEST_SKIP() << "no virtual X display: " << display.problem().toStdString();
        ASSERT_TRUE(display.isRunning()) << display.problem().toStdString();
        m_xclip = QStandardPaths::findExecutable(u"xclip"_s);
        if (m_xclip.isEmpty())
            GTEST_SKIP() << "xclip is not installed";
        m_seams = ui::installQtSeams(u"GridDemo"_s);
        m_window = std::make_unique<griddemo::GridDemoWindow>();
        m_window->show();
    }

    void TearDown() override
    {
        if (m_xclipIn.state() != QProcess::NotRunning) {
            m_xclipIn.kill();
            m_xclipIn.waitForFinished();
        }
        m_window.reset();
        m_seams.reset();
    }

    void select(int row, int col, int rowSel, int colSel)
    {
        const automation::ObjectRef& grid = m_window->grid();
        grid->set(u"Row"_s, Variant::fromLong(row));
        grid->set(u"Col"_s, Variant::fromLong(col));
        grid->set(u"RowSel"_s, Variant::fromLong(rowSel));
        grid->set(u"ColSel"_s, Variant::fromLong(colSel));
    }

    void trigger(const QString& command) { m_window->findChild<QAction*>(command)->trigger(); }

    const gridtest::GrivolaWorkstation m_workstation;
    QString m_xclip;
    std::unique_ptr<ui::QtSeams> m_seams;
    std::unique_ptr<griddemo::GridDemoWindow> m_window;
    QProcess m_xclipIn;
};

TEST_F(GridDemoClipboardTest, AnotherProgramReadsWhatWasCopied)
{
    select(1, 1, 2, 2);
    trigger(u"MnuCopia"_s);

    QProcess xclip;
    xclip.start(m_xclip, {u"-o"_s, u"-selection"_s, u"clipboard"_s});
    ASSERT_TRUE(waitFor([&] { return xclip.state() == QProcess::NotRunning; }));
    EXPECT_EQ(xclip.exitCode(), 0) << xclip.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(xclip.readAllStandardOutput()), u"DAV\tDavanti\rDIE\tDietro"_s);
}

TEST_F(GridDemoClipboardTest, WhatAnotherProgramPutThereIsPasted)
{
    // In the foreground (-quiet), so that the test can end it.
    m_xclipIn.start(m_xclip, {u"-i"_s, u"-selection"_s, u"clipboard"_s, u"-quiet"_s});
    ASSERT_TRUE(m_xclipIn.waitForStarted());
    m_xclipIn.write(u"Uno\tDue\r\nTre\tQuattro\r\n"_s.toUtf8());
    m_xclipIn.closeWriteChannel();
    ASSERT_TRUE(waitFor([] { return QGuiApplication::clipboard()->text().startsWith(u"Uno"_s); }));

    select(3, 2, 3, 2);
    trigger(u"MnuIncolla"_s);
    EXPECT_EQ(m_window->text(3, 2), u"Uno"_s);
    EXPECT_EQ(m_window->text(3, 3), u"Due"_s);
    EXPECT_EQ(m_window->text(4, 2), u"Tre"_s);
    EXPECT_EQ(m_window->text(4, 3), u"Quattro"_s);
    EXPECT_EQ(m_window->text(5, 2), u"Manica sotto"_s);
}

} // namespace
