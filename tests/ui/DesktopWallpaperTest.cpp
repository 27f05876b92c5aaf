#include "ui/DesktopWallpaper.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;

namespace {

// Stand-ins for the desktops' settings tools on PATH: each call appends its arguments, one line
// per call, to calls.log; xfconf-query lists two monitors' backdrops.
class SettingsTools {
public:
    SettingsTools()
    {
        write(u"gsettings"_s, "echo \"gsettings $*\" >> \"$(dirname \"$0\")/calls.log\"\n");
        write(u"xfconf-query"_s, "echo \"xfconf-query $*\" >> \"$(dirname \"$0\")/calls.log\"\n"
                                 "case \"$*\" in *-l*) printf '%s\\n' /backdrop/screen0/monitor0/workspace0/last-image "
                                 "/backdrop/screen0/monitor0/workspace0/color-style "
                                 "/backdrop/screen0/monitorHDMI-1/workspace0/last-image ;; esac\n");
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_folder.path()) + ':' + m_path);
        m_desktop = qgetenv("XDG_CURRENT_DESKTOP");
    }
    ~SettingsTools()
    {
        qputenv("PATH", m_path);
        qputenv("XDG_CURRENT_DESKTOP", m_desktop);
    }

    QStringList calls() const
    {
        QFile log(m_folder.filePath(u"calls.log"_s));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void write(const QString& name, const QByteArray& body) const
    {
        QFile tool(m_folder.filePath(name));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n" + body);
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir m_folder;
    QByteArray m_path;
    QByteArray m_desktop;
};

} // namespace

class DesktopWallpaperTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachDesktopIsAskedItsOwnWay_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("calls");
        const QString uri = u"file:///home/mario/Immagini/sfondo%20blu.bmp"_s;
        const QString path = u"/home/mario/Immagini/sfondo blu.bmp"_s;
        QTest::newRow("GNOME") << u"ubuntu:GNOME"_s
                               << QStringList{u"gsettings set org.gnome.desktop.background picture-uri "_s + uri,
                                              u"gsettings set org.gnome.desktop.background picture-uri-dark "_s + uri};
        QTest::newRow("Cinnamon") << u"X-Cinnamon"_s
                                  << QStringList{u"gsettings set org.cinnamon.desktop.background picture-uri "_s + uri};
        QTest::newRow("MATE") << u"MATE"_s
                              << QStringList{u"gsettings set org.mate.background picture-filename "_s + path};
        QTest::newRow("Xfce")
            << u"XFCE"_s
            << QStringList{
                   u"xfconf-query -c xfce4-desktop -l"_s,
                   u"xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitor0/workspace0/last-image -s "_s + path,
                   u"xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorHDMI-1/workspace0/last-image -s "_s +
                       path};
        QTest::newRow("another desktop") << u"KDE"_s << QStringList{};
        QTest::newRow("no desktop") << QString() << QStringList{};
    }
    void eachDesktopIsAskedItsOwnWay()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, calls);
        const SettingsTools tools;
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        ui::DesktopWallpaper::set(u"/home/mario/Immagini/sfondo blu.bmp"_s);
        QCOMPARE(tools.calls(), calls);
    }

    void anEmptyPathTakesTheWallpaperAway()
    {
        const SettingsTools tools;
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        ui::DesktopWallpaper::set(QString());
        QCOMPARE(tools.calls(), (QStringList{u"gsettings set org.gnome.desktop.background picture-uri "_s,
                                             u"gsettings set org.gnome.desktop.background picture-uri-dark "_s}));
    }
};

TRAMEX_QT_TEST(DesktopWallpaperTest);

#include "DesktopWallpaperTest.moc"
