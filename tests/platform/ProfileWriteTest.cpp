#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "WorkstationFixture.h"
#include "platform/IniDocument.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"

using namespace platform;

namespace {

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QByteArray utf16(const QString& content)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : content) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

class ProfileWriteTest : public WorkstationTest {
protected:
    QString iniFile() const { return onC(QStringLiteral("WINDOWS/Prova.ini")); }

    QStringList hiddenFiles() const
    {
        QStringList names = QDir(onC(QStringLiteral("WINDOWS")))
                                .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.removeIf([](const QString& name) { return !name.startsWith(u'.'); });
        names.sort();
        return names;
    }

    static bool write(const char* section, const char* key, const char* value,
                      const QString& file = QStringLiteral("Prova.ini"))
    {
        return profile::writePrivateProfileString(text(section), text(key), text(value), file);
    }
};

struct WriteRule {
    const char* name;
    const char* before; // nullptr: no file
    const char* section;
    const char* key;   // nullptr: delete the section
    const char* value; // nullptr: delete the key
    const char* after; // nullptr: still no file
};

void PrintTo(const WriteRule& value, std::ostream* out)
{
    *out << value.name;
}

class ProfileWriteRuleTest : public ProfileWriteTest, public ::testing::WithParamInterface<WriteRule> {};

TEST_P(ProfileWriteRuleTest, ChangesOnlyTheLinesConcerned)
{
    const WriteRule& rule = GetParam();
    if (rule.before)
        writeHostFile(iniFile(), QByteArray(rule.before));
    EXPECT_TRUE(write(rule.section, rule.key, rule.value));
    EXPECT_EQ(readHostFile(iniFile()), rule.after ? QByteArray(rule.after) : QByteArray("<missing>"));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileWriteRuleTest,
    ::testing::Values(
        WriteRule{"creates_the_file", nullptr, "Generale", "Chiave", "valore", "[Generale]\r\nChiave=valore\r\n"},
        WriteRule{"replaces_keeping_the_stored_spelling", "; intestazione\n[Generale]\n  CHIAVE = vecchio \nAltra=1\n",
                  "generale", "chiave", "nuovo", "; intestazione\n[Generale]\nCHIAVE=nuovo\nAltra=1\n"},
        WriteRule{"replaces_only_the_first_key", "[a]\r\nx=1\r\nX=2\r\n", "A", "x", "3", "[a]\r\nx=3\r\nX=2\r\n"},
        WriteRule{"replaces_in_the_first_section", "[a]\r\nx=1\r\n[A]\r\nx=2\r\n", "a", "x", "3",
                  "[a]\r\nx=3\r\n[A]\r\nx=2\r\n"},
        WriteRule{"keeps_blanks_inside_values", "[a]\r\nx=1\r\n", "a", "x", " v  w ", "[a]\r\nx= v  w \r\n"},
        WriteRule{"new_key_after_the_last_key_before_blank_lines", "[a]\r\nx=1\r\n\r\n\r\n[b]\r\ny=2\r\n", "a", "z",
                  "3", "[a]\r\nx=1\r\nz=3\r\n\r\n\r\n[b]\r\ny=2\r\n"},
        WriteRule{"new_key_after_the_header_of_a_section_without_keys", "[a]\r\n;x=old\r\n\r\n[b]\r\n", "a", "x", "1",
                  "[a]\r\nx=1\r\n;x=old\r\n\r\n[b]\r\n"},
        WriteRule{"new_key_in_a_last_line_without_line_break", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        WriteRule{"new_key_in_a_lf_file", "[a]\nx=1\n", "a", "y", "2", "[a]\nx=1\ny=2\r\n"},
        WriteRule{"new_section_at_the_end", "[a]\r\nx=1\r\n\r\n", "b", "k", "v", "[a]\r\nx=1\r\n\r\n[b]\r\nk=v\r\n"},
        WriteRule{"new_section_after_a_last_line_without_line_break", "[a]\r\nx=1", "b", "k", "v",
                  "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        WriteRule{"new_section_in_an_empty_file", "", "b", "k", "", "[b]\r\nk=\r\n"},
        WriteRule{"deletes_a_key", "[a]\r\nx=1\r\ny=2\r\n", "a", "X", nullptr, "[a]\r\ny=2\r\n"},
        WriteRule{"deletes_the_last_key_without_line_break", "[a]\r\nx=1\r\ny=2", "a", "y", nullptr, "[a]\r\nx=1\r\n"},
        WriteRule{"deleting_a_missing_key_changes_nothing", "[a]\r\nx=1", "a", "y", nullptr, "[a]\r\nx=1"},
        WriteRule{"deleting_on_a_missing_file_creates_nothing", nullptr, "a", "y", nullptr, nullptr},
        WriteRule{"deletes_every_section_of_the_name", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n[A]\r\nz=3\r\n", " a ", nullptr,
                  "ignored", "[b]\r\ny=2\r\n"},
        WriteRule{"replaces_in_a_section_spelled_otherwise", "[Sez]\r\nChiave=1\r\nAltra=2\r\n", "SEZ", "CHIAVE", "3",
                  "[Sez]\r\nChiave=3\r\nAltra=2\r\n"},
        WriteRule{"a_rewritten_last_line_gets_its_line_break", "[a]\r\nx=1", "a", "X", "2", "[a]\r\nx=2\r\n"},
        WriteRule{"the_same_value_in_a_last_line_gets_its_line_break", "[a]\r\nx=1", "a", "x", "1", "[a]\r\nx=1\r\n"},
        WriteRule{"new_section_after_a_lone_carriage_return", "[a]\r\nx=1\r", "S", "k", "v",
                  "[a]\r\nx=1\r[S]\r\nk=v\r\n"},
        WriteRule{"new_key_in_a_carriage_return_file", "[a]\rx=1\r[b]\r", "a", "y", "2", "[a]\rx=1\ry=2\r\n[b]\r"},
        WriteRule{"replaces_in_a_carriage_return_file", "[a]\rx=1\ry=2\r", "a", "x", "3", "[a]\rx=3\ry=2\r"},
        WriteRule{"names_lose_only_their_spaces", "", " \ts\t ", "  k\v ", "v", "[\ts\t]\r\nk\v=v\r\n"},
        WriteRule{"a_tab_name_replaces_its_own_line", "[s]\r\nk=1\r\n\tk=2\r\n", "s", "\tk", "3",
                  "[s]\r\nk=1\r\n\tk=3\r\n"},
        WriteRule{"punctuation_in_names_is_written_unchanged", "", "1;#=\"'\\", "k2=;#\"'\\", "v",
                  "[1;#=\"'\\]\r\nk2=;#\"'\\=v\r\n"},
        WriteRule{"the_empty_key_replaces_a_line_starting_with_equals", "[a]\r\nk=1\r\n=old\r\n", "a", "", "new",
                  "[a]\r\nk=1\r\n=new\r\n"},
        WriteRule{"replaces_under_a_header_with_text_after_its_bracket", "[a]x]\r\nk=1\r\n", "a", "k", "2",
                  "[a]x]\r\nk=2\r\n"},
        WriteRule{"replaces_under_an_unclosed_header", "[a\r\nk=1\r\n", "a", "k", "2", "[a\r\nk=2\r\n"},
        WriteRule{"writes_windows_1252", "", "s", "k", "città € Ω", "[s]\r\nk=citt\xe0 \x80 ?\r\n"},
        WriteRule{"keeps_untouched_bytes", "[s]\r\nk=caf\xe9\r\n\x81\x8d=\x9d\r\n", "s", "j", "1",
                  "[s]\r\nk=caf\xe9\r\n\x81\x8d=\x9d\r\nj=1\r\n"}),
    [](const ::testing::TestParamInfo<WriteRule>& info) { return std::string(info.param.name); });

TEST_F(ProfileWriteTest, KeepsUtf16FilesInUtf16)
{
    writeHostFile(iniFile(), utf16(QStringLiteral("[a]\r\nx=1\r\n")));
    EXPECT_TRUE(write("a", "y", "Ωmega"));
    EXPECT_EQ(readHostFile(iniFile()), utf16(QStringLiteral("[a]\r\nx=1\r\ny=Ωmega\r\n")));
}

TEST_F(ProfileWriteTest, RefusesWhatWouldChangeOtherEntries)
{
    writeHostFile(iniFile(), "[a]\r\nx=1\r\n");
    EXPECT_FALSE(write("a", "x", "1\r\n[b]\r\ny=2"));
    EXPECT_FALSE(write("a\nb", "x", "1"));
    EXPECT_FALSE(write("a", "[b]", "1"));
    EXPECT_FALSE(write(nullptr, "x", "1"));
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[a]\r\nx=1\r\n"));
    EXPECT_TRUE(write(nullptr, nullptr, nullptr));
}

TEST_F(ProfileWriteTest, FailsWithoutFolderOrOnAReadOnlyFile)
{
    EXPECT_FALSE(write("a", "x", "1", QStringLiteral("C:\\Manca\\Prova.ini")));
    EXPECT_FALSE(QFileInfo::exists(onC(QStringLiteral("Manca"))));
    EXPECT_FALSE(write("a", "x", "1", QStringLiteral("B:\\Prova.ini")));
    EXPECT_FALSE(write("a", "x", "1", QStringLiteral("C:\\WINDOWS")));
    writeHostFile(iniFile(), "[a]\r\nx=1\r\n");
    ASSERT_TRUE(QFile::setPermissions(iniFile(), QFileDevice::ReadOwner));
    EXPECT_FALSE(write("a", "x", "2"));
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[a]\r\nx=1\r\n"));
}

TEST_F(ProfileWriteTest, ReplacesTheFileWholeKeepingItsPermissions)
{
    writeHostFile(iniFile(), "[a]\r\nx=1\r\n");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(iniFile(), permissions));
    EXPECT_TRUE(write("a", "x", "2", QStringLiteral("C:\\windows\\PROVA.INI")));
    const QFileDevice::Permissions ownerGroupOther(0x7077);
    EXPECT_EQ(QFile::permissions(iniFile()) & ownerGroupOther, permissions);
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[a]\r\nx=2\r\n"));
    const QStringList left =
        QDir(onC(QStringLiteral("WINDOWS"))).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, QStringList{QStringLiteral("Prova.ini")});
}

TEST_F(ProfileWriteTest, ANameWithATabFindsTheLineItWrote)
{
    EXPECT_TRUE(write("\tSezione", "\tChiave", "1"));
    EXPECT_TRUE(write("\tsezione", "\tchiave", "2"));
    EXPECT_TRUE(write("Sezione", "\tChiave\t", "3"));
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[\tSezione]\r\n\tChiave=2\r\n\tChiave\t=3\r\n"));
    EXPECT_EQ(profile::readString(QStringLiteral("\tSezione"), QStringLiteral("\tChiave"), QString(),
                                  QStringLiteral("Prova.ini")),
              QStringLiteral("2"));
    // The file's own names lose their tabs.
    EXPECT_EQ(profile::readString(QStringLiteral("Sezione"), QStringLiteral("Chiave"), QString(),
                                  QStringLiteral("Prova.ini")),
              QStringLiteral("2"));
}

TEST_F(ProfileWriteTest, AKilledWritersLeftoverGoesWithTheNextWriteWhileARunningOnesStays)
{
    EXPECT_TRUE(write("Sezione", "Chiave", "1"));
    QProcess writer;
    writer.start(helper(QStringLiteral("platform_test_stalled_writer")),
                 {root(), QStringLiteral("C:\\WINDOWS\\Prova.ini")});
    ASSERT_TRUE(writer.waitForReadyRead(30000));
    ASSERT_EQ(writer.readLine(), QByteArray("writing\n"));
    const QStringList running = hiddenFiles();
    ASSERT_EQ(running.size(), 1);
    EXPECT_TRUE(running.front().startsWith(QStringLiteral(".~Prova.ini.")));

    EXPECT_TRUE(write("Sezione", "Chiave", "2"));
    EXPECT_EQ(hiddenFiles(), running);
    writer.kill();
    ASSERT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(hiddenFiles(), running);
    EXPECT_TRUE(write("Sezione", "Chiave", "3"));
    EXPECT_EQ(hiddenFiles(), QStringList());
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[Sezione]\r\nChiave=3\r\n"));
}

// A writer killed at random moments, many times: the file is always one of the writer's whole
// states (its first n keys, each line whole), and the next write leaves no leftover beside it.
TEST_F(ProfileWriteTest, AWriterKilledAtAnyMomentLeavesTheFileWholeAndTheNextWriteNoLeftovers)
{
    constexpr int keys = 400;
    QList<QByteArray> states{"<missing>", "[Sezione]\r\n"};
    for (int i = 0; i < keys; ++i)
        states.append(states.back() + QStringLiteral("k%1=value %1\r\n").arg(i).toLatin1());
    states.removeAt(1);
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE(seed);

    int cutMidway = 0;
    for (int run = 1; run <= 20; ++run) {
        QProcess writer;
        writer.start(helper(QStringLiteral("platform_test_ini_writer")),
                     {root(), QStringLiteral("Prova.ini"), QStringLiteral("Sezione"), QStringLiteral("k"),
                      QString::number(keys)});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::usleep(random.bounded(150000));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30000));

        const qsizetype state = states.indexOf(readHostFile(iniFile()));
        EXPECT_GE(state, 0) << "run " << run << ": " << readHostFile(iniFile()).right(200).toStdString();
        if (state > 0 && state < keys)
            ++cutMidway;
        EXPECT_TRUE(write("Sezione", "Fine", "1")) << "run " << run;
        EXPECT_EQ(hiddenFiles(), QStringList()) << "run " << run;
        ASSERT_TRUE(QFile::remove(iniFile()));
    }
    EXPECT_GT(cutMidway, 0);
}

TEST_F(ProfileWriteTest, RemovesOnlyTheLeftoversOfItsOwnFile)
{
    writeHostFile(iniFile(), "[a]\r\nx=1\r\n");
    const QStringList leftovers = QStringLiteral(".~Prova.ini.0123456789abcdef .~Prova.ini.0123456789abcdef-journal "
                                                 ".~Prova.ini.1f .~Prova.ini.77-journal .Prova.ini.0a1b2c3d.tmp "
                                                 ".Prova.ini.0a1b2c3d.tmp-journal")
                                      .split(u' ');
    QStringList others = QStringLiteral(".Prova.ini.0a1b2c3.tmp .Prova.ini.0a1b2c3d.old .~Altro.ini.1f .~Prova.ini.1F "
                                        ".~Prova.ini.1f-wal .~Prova.ini.1f.bak .~Prova.ini.xyz .~Prova.ini2.1f "
                                        ".~Prova.ini.١٢")
                             .split(u' ');
    for (const QString& name : leftovers + others)
        writeHostFile(onC(QStringLiteral("WINDOWS/") + name), "x");
    EXPECT_TRUE(write("a", "x", "2"));
    others.sort();
    EXPECT_EQ(hiddenFiles(), others);
    EXPECT_EQ(readHostFile(iniFile()), QByteArray("[a]\r\nx=2\r\n"));
}

// Two programs writing keys into one file at once, each by its own name for the file.
class ConcurrentProfileWriteTest : public ProfileWriteTest {
protected:
    void writeAtOnce(const QStringList& fileNames, const QString& windowsPath)
    {
        constexpr int keysEach = 150;
        QList<QProcess*> writers;
        for (qsizetype i = 0; i < fileNames.size(); ++i) {
            auto* writer = new QProcess;
            writer->start(helper(QStringLiteral("platform_test_ini_writer")),
                          {root(), fileNames[i], QStringLiteral("Chiavi"), QStringLiteral("scrittore%1_").arg(i),
                           QString::number(keysEach)});
            writers.append(writer);
        }
        for (QProcess* writer : writers) {
            EXPECT_TRUE(writer->waitForFinished(120000));
            EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(writer->exitCode(), 0);
            delete writer;
        }
        const QByteArray bytes = readHostFile(windowsPath::toHost(windowsPath));
        ASSERT_TRUE(bytes.startsWith("[Chiavi]\r\n"));
        EXPECT_EQ(bytes.count("[Chiavi]"), 1);
        EXPECT_EQ(bytes.count("\r\n"), 1 + fileNames.size() * keysEach);
        const IniDocument document(QString::fromLatin1(bytes));
        EXPECT_EQ(document.keyNames(QStringLiteral("Chiavi")).size(), fileNames.size() * keysEach);
        for (qsizetype writer = 0; writer < fileNames.size(); ++writer) {
            for (int i = 0; i < keysEach; ++i) {
                EXPECT_EQ(document.value(QStringLiteral("Chiavi"), QStringLiteral("scrittore%1_%2").arg(writer).arg(i)),
                          QStringLiteral("value %1").arg(i));
            }
        }
    }
};

TEST_F(ConcurrentProfileWriteTest, TwoProcessesWritingAtOnceLoseNothing)
{
    writeAtOnce({QStringLiteral("Condiviso.ini"), QStringLiteral("CONDIVISO.INI")},
                QStringLiteral("C:\\WINDOWS\\Condiviso.ini"));
    EXPECT_EQ(QDir(onC(QStringLiteral("WINDOWS"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(ConcurrentProfileWriteTest, WritersThroughALinkInAnotherFolderLoseNothing)
{
    makeHostFolder(onC(QStringLiteral("Dati")));
    writeHostFile(onC(QStringLiteral("Dati/Condiviso.ini")));
    ASSERT_TRUE(QFile::link(onC(QStringLiteral("Dati/Condiviso.ini")), onC(QStringLiteral("WINDOWS/Condiviso.ini"))));
    writeAtOnce({QStringLiteral("Condiviso.ini"), QStringLiteral("C:\\Dati\\Condiviso.ini")},
                QStringLiteral("C:\\Dati\\Condiviso.ini"));
    EXPECT_TRUE(QFileInfo(onC(QStringLiteral("WINDOWS/Condiviso.ini"))).isSymLink());
}

} // namespace
