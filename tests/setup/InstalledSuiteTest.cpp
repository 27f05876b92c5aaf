#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/support/TestWorkstation.h"

namespace {

int runInstalled(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                 QString* errors = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(300000);
    if (errors)
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Whether the folder is opened (listed) within the time given.
class FolderOpenWatch {
public:
    explicit FolderOpenWatch(const QString& folder)
        : m_descriptor(::inotify_init1(IN_NONBLOCK)),
          m_watch(::inotify_add_watch(m_descriptor, QFile::encodeName(folder).constData(), IN_OPEN))
    {
    }
    ~FolderOpenWatch() { ::close(m_descriptor); }
    FolderOpenWatch(const FolderOpenWatch&) = delete;
    FolderOpenWatch& operator=(const FolderOpenWatch&) = delete;

    bool openedWithin(int milliseconds) const
    {
        QElapsedTimer timer;
        timer.start();
        alignas(inotify_event) char buffer[4096];
        while (timer.elapsed() < milliseconds) {
            const ssize_t length = ::read(m_descriptor, buffer, sizeof buffer);
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->wd == m_watch && (event->mask & IN_ISDIR))
                    return true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
            ::usleep(50000);
        }
        return false;
    }

private:
    int m_descriptor;
    int m_watch;
};

TEST(InstalledSuiteTest, SchedexStartsFromTheInstalledFilesOnAWorkstationThatInitAndMapSetUp)
{
    QTemporaryDir scratch;
    const QString prefix = scratch.filePath(QStringLiteral("usr"));
    QString errors;
    ASSERT_EQ(runInstalled(
                  QStringLiteral(TRAMEX_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(TRAMEX_BUILD_DIR), QStringLiteral("--prefix"), prefix},
                  QProcessEnvironment::systemEnvironment(), &errors),
              0)
        << qPrintable(errors);
    for (const char* file :
         {"bin/Schedex", "bin/Permix", "bin/Salvix", "bin/GridDemo", "bin/tramex-workstation", "bin/regsvr",
          "lib/tramex/Utilex4.dll", "lib/tramex/Utilex.dll", "lib/tramex/Grivola.dll", "lib/tramex/SalvixZip.dll",
          "share/applications/tramex-salvix.desktop", "share/applications/tramex-griddemo.desktop",
          "lib/tramex/libtramex_explorer.so", "share/applications/tramex-schedex.desktop",
          "share/icons/hicolor/48x48/apps/tramex-schedex.png", "share/icons/hicolor/256x256/apps/tramex-schedex.png"})
        EXPECT_TRUE(QFileInfo::exists(prefix + u'/' + QString::fromLatin1(file))) << file;

    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString share = scratch.filePath(QStringLiteral("server/archivi"));
    QDir().mkpath(home);
    QDir().mkpath(share);
    TestWorkstation::writeHostFile(share + QStringLiteral("/Collezione 2026.mdb"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TRAMEX_WORKSTATION"));
    environment.remove(QStringLiteral("TRAMEX_BIN_DIR"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString tool = prefix + QStringLiteral("/bin/tramex-workstation");
    ASSERT_EQ(runInstalled(tool, {QStringLiteral("init")}, environment, &errors), 0) << qPrintable(errors);
    ASSERT_EQ(runInstalled(tool, {QStringLiteral("map"), QStringLiteral("D"), share}, environment, &errors), 0)
        << qPrintable(errors);
    EXPECT_TRUE(
        QFileInfo(home + QStringLiteral("/.local/share/tramex/workstation/drive_c/Tramex/Schedex")).isSymLink());

    const FolderOpenWatch watch(share);
    QProcess schedex;
    schedex.setProcessEnvironment(environment);
    schedex.setWorkingDirectory(home);
    schedex.start(prefix + QStringLiteral("/bin/Schedex"));
    ASSERT_TRUE(schedex.waitForStarted());
    const bool listed = watch.openedWithin(30000);
    const QByteArray maps = TestWorkstation::readHostFile(QStringLiteral("/proc/%1/maps").arg(schedex.processId()));
    const bool running = schedex.state() == QProcess::Running;
    schedex.kill();
    schedex.waitForFinished();

    EXPECT_TRUE(listed) << "Schedex did not list D: " << schedex.readAllStandardError().constData();
    EXPECT_TRUE(running);
    EXPECT_TRUE(maps.contains(QFile::encodeName(prefix + QStringLiteral("/lib/tramex/libtramex_explorer.so"))));
}

} // namespace
