#include "ui/DesktopWallpaper.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ui {

namespace {

using namespace Qt::StringLiterals;

constexpr int toolTimeoutMilliseconds = 5000;

// What the tool printed; empty when it is missing or fails.
QString run(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(toolTimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool runsDesktop(const QStringList& desktops, const QString& name)
{
    return desktops.contains(name, Qt::CaseInsensitive);
}

void setOnXfce(const QString& hostPath)
{
    const QStringList properties = run(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-l"_s}).split(u'\n');
    for (const QString& property : properties)
        if (property.endsWith(u"/last-image"_s))
            run(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-p"_s, property, u"-s"_s, hostPath});
}

} // namespace

void DesktopWallpaper::set(const QString& hostPath)
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    const QString uri = hostPath.isEmpty() ? QString() : QUrl::fromLocalFile(hostPath).toString(QUrl::FullyEncoded);
    if (runsDesktop(desktops, u"XFCE"_s)) {
        setOnXfce(hostPath);
    } else if (runsDesktop(desktops, u"MATE"_s)) {
        run(u"gsettings"_s, {u"set"_s, u"org.mate.background"_s, u"picture-filename"_s, hostPath});
    } else if (runsDesktop(desktops, u"X-Cinnamon"_s) || runsDesktop(desktops, u"Cinnamon"_s)) {
        run(u"gsettings"_s, {u"set"_s, u"org.cinnamon.desktop.background"_s, u"picture-uri"_s, uri});
    } else if (runsDesktop(desktops, u"GNOME"_s) || runsDesktop(desktops, u"Unity"_s) ||
               runsDesktop(desktops, u"Budgie"_s)) {
        // GNOME 42 on shows the dark one in dark mode; older ones lack the key and refuse it.
        for (const QString& key : {u"picture-uri"_s, u"picture-uri-dark"_s})
            run(u"gsettings"_s, {u"set"_s, u"org.gnome.desktop.background"_s, key, uri});
    }
}

} // namespace ui
