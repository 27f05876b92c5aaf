#include <sys/inotify.h>
#include <unistd.h>

#include <QFile>

#include "UtilexFixture.h"
#include "platform/WindowsPath.h"

using automation::Variant;

namespace {

class UtilexValueLengthTest : public UtilexTest, public ::testing::WithParamInterface<int> {};

// Lengths around each buffer size, where the platform answers size - 1 or size - 2.
TEST_P(UtilexValueLengthTest, ReadsTheWholeValueWhateverItsLength)
{
    QString value;
    for (int i = 0; i < GetParam(); ++i)
        value += QChar(u'a' + i % 26);
    writeHostFile(hostOfC(QStringLiteral("WINDOWS/long.ini")), "[Sezione]\r\nChiave=" + value.toLatin1() + "\r\n");

    QString section = QStringLiteral("sezione");
    QString key = QStringLiteral("CHIAVE");
    Variant defaultValue = Variant::missing();
    Variant file(u"long.ini");
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, key, defaultValue, file), value);
    EXPECT_EQ(
        call(u"GetPrivateProfileString", {Variant(u"Sezione"), Variant(u"Chiave"), Variant(u""), Variant(u"long.ini")}),
        Variant(value));
}

INSTANTIATE_TEST_SUITE_P(AroundBufferSizes, UtilexValueLengthTest,
                         ::testing::Values(0, 1, 253, 254, 255, 256, 300, 510, 511, 512, 1023, 5000));

} // namespace

TEST_F(UtilexTest, GetPrivateProfileStringFallsBackToDefaultAndWinIni)
{
    writeHostFile(hostOfC(QStringLiteral("WINDOWS/win.ini")), "[windows]\r\nload=  \"spooler\"  \r\n");
    writeHostFile(hostOfC(QStringLiteral("dati/app.ini")), "[Opzioni]\r\nColore=rosso\r\n");

    // Optional arguments left out: no default, win.ini.
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"windows"), Variant(u"load")}), Variant(u"spooler"));
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"windows"), Variant(u"missing")}), Variant(u""));
    EXPECT_EQ(call(u"GetPrivateProfileString", {Variant(u"windows"), Variant(u"missing"), Variant(u"dflt")}),
              Variant(u"dflt"));
    // A full path is read where it is; a bare name only in the Windows folder.
    EXPECT_EQ(call(u"GetPrivateProfileString",
                   {Variant(u"Opzioni"), Variant(u"Colore"), Variant::missing(), Variant(u"C:\\dati\\app.ini")}),
              Variant(u"rosso"));
    EXPECT_EQ(call(u"GetPrivateProfileString",
                   {Variant(u"Opzioni"), Variant(u"Colore"), Variant(u"none"), Variant(u"app.ini")}),
              Variant(u"none"));

    QString section = QStringLiteral("windows");
    QString key = QStringLiteral("load");
    Variant noDefault = Variant::missing();
    Variant noFile = Variant::missing();
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, key, noDefault, noFile), QStringLiteral("spooler"));
}

// The buffer doubles some fifteen times on its way to this value; the file is read once.
TEST_F(UtilexTest, GetPrivateProfileStringOpensTheFileOnceForALongValue)
{
    const QString host = hostOfC(QStringLiteral("WINDOWS/lungo.ini"));
    const QByteArray value(6 << 20, 'v');
    writeHostFile(host, "[Sezione]\r\nChiave=" + value + "\r\n");
    const int watcher = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watcher, 0);
    // Closes between the opens keep them from being merged into one event.
    ASSERT_GE(::inotify_add_watch(watcher, QFile::encodeName(host).constData(), IN_OPEN | IN_CLOSE), 0);

    QString section = QStringLiteral("Sezione");
    QString key = QStringLiteral("Chiave");
    Variant defaultValue = Variant::missing();
    Variant file(u"lungo.ini");
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, key, defaultValue, file), QString::fromLatin1(value));

    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t length; (length = ::read(watcher, events, sizeof events)) > 0;) {
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + offset);
            opens += (event->mask & IN_OPEN) ? 1 : 0;
            offset += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watcher);
    EXPECT_EQ(opens, 1);
}

TEST_F(UtilexTest, GetPrivateProfileStringNeverListsSectionsOrKeys)
{
    writeHostFile(hostOfC(QStringLiteral("WINDOWS/two.ini")), "[Uno]\r\na=1\r\n[Due]\r\nb=2\r\n");
    QString emptySection;
    QString emptyKey;
    Variant defaultValue(u"dflt");
    Variant file(u"two.ini");
    EXPECT_EQ(m_utilex->GetPrivateProfileString(emptySection, emptyKey, defaultValue, file), QStringLiteral("dflt"));
    QString section = QStringLiteral("Uno");
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, emptyKey, defaultValue, file), QStringLiteral("dflt"));
}

TEST_F(UtilexTest, WritePrivateProfileStringCreatesTheFileInTheWindowsFolder)
{
    EXPECT_EQ(call(u"WritePrivateProfileString",
                   {Variant(u"Salvix"), Variant(u"Cartella"), Variant(u"C:\\Però"), Variant(u"salvix.ini")}),
              Variant::fromBoolean(true));
    EXPECT_TRUE(QFile::exists(hostOfC(QStringLiteral("WINDOWS/salvix.ini"))));

    QString section = QStringLiteral("Salvix");
    QString key = QStringLiteral("Cartella");
    Variant noDefault = Variant::missing();
    Variant file(u"salvix.ini");
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, key, noDefault, file), QStringLiteral("C:\\Però"));

    QString value = QStringLiteral("2");
    QString fileName = QStringLiteral("salvix.ini");
    EXPECT_EQ(m_utilex->WritePrivateProfileString(section, key, value, fileName), automation::True);
    EXPECT_EQ(m_utilex->GetPrivateProfileString(section, key, noDefault, file), QStringLiteral("2"));
}

TEST_F(UtilexTest, WritePrivateProfileStringReportsAFailedWrite)
{
    QString section = QStringLiteral("S");
    QString key = QStringLiteral("k");
    QString value = QStringLiteral("v");
    QString fileName = QStringLiteral("D:\\not ready.ini");
    automation::Boolean written = automation::True;
    try {
        written = m_utilex->WritePrivateProfileString(section, key, value, fileName);
    } catch (const platform::RuntimeError&) {
        written = automation::False;
    }
    EXPECT_EQ(written, automation::False);
}
