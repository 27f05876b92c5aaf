#include <vector>

#include <QDir>

#include "WorkstationFixture.h"
#include "platform/Profile.h"

using namespace platform;

namespace {

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

class ProfileReadTest : public WorkstationTest {
protected:
    // Writes the INI file "Prova.ini" into the Windows folder.
    void writeIni(const QByteArray& bytes) { writeHostFile(onC(QStringLiteral("WINDOWS/Prova.ini")), bytes); }

    // The raw call with a buffer of the given size; the result holds every character of the
    // buffer that the call wrote up to the last NUL it wrote.
    struct Read {
        std::uint32_t count;
        QString buffer;
    };
    static Read read(const char* section, const char* key, const char* defaultValue, std::uint32_t size,
                     const QString& file = QStringLiteral("Prova.ini"))
    {
        std::vector<char16_t> buffer(size + 1, u'#');
        const std::uint32_t count =
            profile::getPrivateProfileString(text(section), text(key), text(defaultValue), buffer.data(), size, file);
        QString written = QString::fromUtf16(buffer.data(), qsizetype(size));
        while (!written.isEmpty() && written.back() == u'#')
            written.chop(1);
        EXPECT_EQ(buffer[size], u'#') << "wrote past the buffer";
        return Read{count, written};
    }
};

struct ReadRule {
    const char* name;
    const char* file;
    const char* section; // nullptr: the platform's NULL
    const char* key;
    const char* defaultValue;
    const char* expected; // "|" stands for NUL in the list modes
};

void PrintTo(const ReadRule& value, std::ostream* out)
{
    *out << value.name;
}

class ProfileReadRuleTest : public ProfileReadTest, public ::testing::WithParamInterface<ReadRule> {};

TEST_P(ProfileReadRuleTest, ReadsAsThePlatformDoes)
{
    const ReadRule& rule = GetParam();
    writeIni(QByteArray(rule.file));
    const Read result = read(rule.section, rule.key, rule.defaultValue, 256);
    const QString expected = QString::fromUtf8(rule.expected).replace(u'|', QChar(u'\0'));
    const bool emptyList = (!rule.section || !rule.key) && expected.isEmpty();
    EXPECT_EQ(result.buffer, expected + QString(emptyList ? 2 : 1, QChar(u'\0')));
    EXPECT_EQ(result.count, std::uint32_t(expected.size()));
    // Lines that end in a carriage return alone read as the same lines ending in CR LF.
    if (QByteArray(rule.file).contains("\r\n")) {
        writeIni(QByteArray(rule.file).replace("\r\n", "\r"));
        const Read withCr = read(rule.section, rule.key, rule.defaultValue, 256);
        EXPECT_EQ(withCr.buffer, result.buffer);
        EXPECT_EQ(withCr.count, result.count);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileReadRuleTest,
    ::testing::Values(
        ReadRule{"plain", "[Generale]\r\nTxtPathDatabase=C:\\Tramex\\\r\n", "Generale", "TxtPathDatabase", "",
                 "C:\\Tramex\\"},
        ReadRule{"ignoring_case", "[GENERALE]\r\nTXTPATH=x\r\n", "generale", "TxtPath", "", "x"},
        ReadRule{"blanks_around_names_and_values", "  [ Generale ]  \r\n\t Chiave \t=   valore  con spazi  \r\n",
                 " generale", "chiave  ", "", "valore  con spazi"},
        ReadRule{"double_quotes", "[s]\r\nk=\"  tra virgolette  \"\r\n", "s", "k", "", "  tra virgolette  "},
        ReadRule{"single_quotes", "[s]\r\nk='x'\r\n", "s", "k", "", "x"},
        ReadRule{"unmatched_quotes", "[s]\r\nk=\"x'\r\n", "s", "k", "", "\"x'"},
        ReadRule{"one_quote", "[s]\r\nk=\"\r\n", "s", "k", "", "\""},
        ReadRule{"empty_quotes", "[s]\r\nk=\"\"\r\n", "s", "k", "d", ""},
        ReadRule{"only_the_outer_pair", "[s]\r\nk=\"a\"b\"\r\n", "s", "k", "", "a\"b"},
        ReadRule{"equals_in_value", "[s]\r\nk=a=b\r\n", "s", "k", "", "a=b"},
        ReadRule{"inline_semicolon_kept", "[s]\r\nk=v ; nota\r\n", "s", "k", "", "v ; nota"},
        ReadRule{"empty_value", "[s]\r\nk=\r\n", "s", "k", "d", ""},
        ReadRule{"first_key_wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "", "1"},
        ReadRule{"first_section_wins", "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2\r\n", "s", "b", "d", "d"},
        ReadRule{"line_without_equals", "[s]\r\nk\r\n", "s", "k", "d", "d"},
        ReadRule{"comment_is_no_key", "[s]\r\n;k=1\r\n  ;j=3\r\nk=2\r\n", "s", ";k", "d", "d"},
        ReadRule{"comment_skipped", "[s]\r\n  ;k=1\r\nk=2\r\n", "s", "k", "d", "2"},
        ReadRule{"key_of_another_section", "[s]\r\n[t]\r\nk=1\r\n", "s", "k", "d", "d"},
        ReadRule{"keys_before_any_section", "k=1\r\n[s]\r\n", "", "k", "d", "d"},
        ReadRule{"text_after_header", "[s] ; sezione\r\nk=1\r\n", "s", "k", "", "1"},
        ReadRule{"unclosed_header_names_the_rest_of_its_line", "[s  \r\nk=1\r\n", "s", "k", "d", "1"},
        ReadRule{"header_ends_at_its_first_bracket", "[sec]whoops]\r\nk=1\r\n", "sec", "k", "d", "1"},
        ReadRule{"header_text_after_the_first_bracket_is_no_name", "[sec]whoops]\r\nk=1\r\n", "sec]whoops", "k", "d",
                 "d"},
        ReadRule{"second_opening_bracket_starts_nothing", "[a[b]\r\nk=1\r\n", "a[b", "k", "d", "1"},
        ReadRule{"inner_opening_bracket_names_no_section", "[a[b]\r\nk=1\r\n", "b", "k", "d", "d"},
        ReadRule{"line_feeds_only", "[s]\nk=v\n", "s", "k", "", "v"},
        ReadRule{"carriage_returns_only", "[s]\rk=v\r[t]\rj=w\r", "t", "j", "", "w"},
        ReadRule{"carriage_returns_only_end_values", "[s]\rk=v\rj=w", "s", "k", "", "v"},
        ReadRule{"key_names_of_a_carriage_return_file", "[s]\ra=1\rb=2\r", "s", nullptr, "d", "a|b|"},
        ReadRule{"no_final_line_break", "[s]\r\nk=v", "s", "k", "", "v"},
        ReadRule{"windows_1252", "[s]\r\nk=citt\xe0 \x80 \x9c\r\n", "s", "k", "", "città € œ"},
        ReadRule{"missing_section", "[s]\r\nk=v\r\n", "t", "k", "predefinito", "predefinito"},
        ReadRule{"default_loses_trailing_blanks", "", "s", "k", "  abc   ", "  abc"},
        ReadRule{"default_keeps_its_tabs", "", "s", "k", "\tabc \t ", "\tabc \t"},
        ReadRule{"caller_names_lose_their_spaces", "[sez]\r\nchiave=1\r\n", "  sez ", " chiave  ", "d", "1"},
        ReadRule{"a_tab_is_part_of_a_key", "[s]\r\nk=1\r\n", "s", "\tk", "d", "d"},
        ReadRule{"a_trailing_tab_is_part_of_a_key", "[s]\r\nk=1\r\n", "s", "k\t", "d", "d"},
        ReadRule{"a_vertical_tab_is_part_of_a_key", "[s]\r\nk=1\r\n", "s", "k\v", "d", "d"},
        ReadRule{"a_carriage_return_is_part_of_a_key", "[s]\r\nk=1\r\n", "s", "k\r", "d", "d"},
        ReadRule{"a_tab_is_part_of_a_section", "[s]\r\nk=1\r\n", "\ts", "k", "d", "d"},
        ReadRule{"a_tab_name_finds_its_own_line", "[s]\r\n\tk=1\r\nk=2\r\n", "s", "\tk", "d", "1"},
        ReadRule{"the_file_s_names_lose_their_tabs", "[s]\r\n\tk\t=1\r\n", "s", "k", "d", "1"},
        ReadRule{"punctuation_in_names", "[1;#=\"'\\]\r\n#k;\"\\'=v\r\n", "1;#=\"'\\", "#k;\"\\'", "d", "v"},
        ReadRule{"null_default", "", "s", "k", nullptr, ""},
        ReadRule{"empty_key_finds_a_line_starting_with_equals", "[s]\r\nk=1\r\n=v\r\n", "s", "", "d", "v"},
        ReadRule{"a_key_of_spaces_is_the_empty_key", "[s]\r\n=v\r\n", "s", "   ", "d", "v"},
        ReadRule{"empty_key_without_such_line", "[s]\r\nk=1\r\n", "s", "", "d", "d"},
        ReadRule{"section_names", "[Generale]\r\nk=1\r\n[]\r\n[ LVDB ]\r\n[generale]\r\n", nullptr, "k", "d",
                 "Generale|LVDB|generale|"},
        ReadRule{"no_sections", "k=1\r\n", nullptr, nullptr, "d", ""},
        ReadRule{"key_names", "[s]\r\na=1\r\n;c=2\r\nsenza uguale\r\n B = 3\r\n[t]\r\nd=4\r\n", "s", nullptr, "d",
                 "a|B|"},
        ReadRule{"key_names_of_missing_section", "[s]\r\na=1\r\n", "t", nullptr, "d", "d"},
        ReadRule{"key_names_of_empty_section", "[s]\r\n;solo commento\r\n", "s", nullptr, "d", "d"}),
    [](const ::testing::TestParamInfo<ReadRule>& info) { return std::string(info.param.name); });

TEST_F(ProfileReadTest, CutsValuesThatDoNotFitAndReturnsSizeMinusOne)
{
    const QByteArray value(300, 'v');
    writeIni("[s]\r\nk=" + value + "\r\nj=" + QByteArray(255, 'w') + "\r\n");
    const Read cut = read("s", "k", "", 256);
    EXPECT_EQ(cut.count, 255u);
    EXPECT_EQ(cut.buffer, QString(255, u'v') + QChar(u'\0'));
    // A value of exactly size - 1 characters gives the same count: the caller cannot tell.
    EXPECT_EQ(read("s", "j", "", 256).count, 255u);
    EXPECT_EQ(read("s", "k", "", 512).count, 300u);
    EXPECT_EQ(read("s", "missing", "lungo predefinito", 5).buffer, QStringLiteral("lung") + QChar(u'\0'));
    EXPECT_EQ(read("s", "k", "", 1).buffer, QString(QChar(u'\0')));
    const Read none = read("s", "k", "", 0);
    EXPECT_EQ(none.count, 0u);
    EXPECT_EQ(none.buffer, QString());
    EXPECT_EQ(profile::readString(QStringLiteral("s"), QStringLiteral("k"), QString(), QStringLiteral("Prova.ini")),
              QString::fromLatin1(value));
}

TEST_F(ProfileReadTest, CutsListsWithTwoNulsAndReturnsSizeMinusTwo)
{
    writeIni("[section1]\r\n[section2]\r\n[section3]\r\n");
    const Read cut = read(nullptr, nullptr, "", 16);
    EXPECT_EQ(cut.count, 14u);
    EXPECT_EQ(cut.buffer, QString::fromUtf16(u"section1\0secti\0\0", 16));
    const Read fits = read(nullptr, nullptr, "", 28);
    EXPECT_EQ(fits.count, 27u);
    EXPECT_EQ(fits.buffer, QString::fromUtf16(u"section1\0section2\0section3\0\0", 28));
    EXPECT_EQ(read(nullptr, nullptr, "", 27).count, 25u);
    EXPECT_EQ(read(nullptr, nullptr, "", 2).buffer, QString::fromUtf16(u"\0\0", 2));
    EXPECT_EQ(read(nullptr, nullptr, "", 1).buffer, QString(QChar(u'\0')));
}

TEST_F(ProfileReadTest, FindsFilesByNameInTheWindowsFolderOrByPath)
{
    writeIni("[s]\r\nk=windows\r\n");
    makeHostFolder(onC(QStringLiteral("Lavoro")));
    writeHostFile(onC(QStringLiteral("Lavoro/Prova.ini")), "[s]\r\nk=lavoro\r\n");
    writeHostFile(onC(QStringLiteral("WINDOWS/win.ini")), "[windows]\r\nk=win\r\n");
    enter(onC(QStringLiteral("Lavoro")));
    const auto value = [](const char* file) {
        return profile::readString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("nessuno"), text(file));
    };
    EXPECT_EQ(value("PROVA.INI"), QStringLiteral("windows"));
    EXPECT_EQ(value(".\\Prova.ini"), QStringLiteral("lavoro"));
    EXPECT_EQ(value("C:\\lavoro\\prova.ini"), QStringLiteral("lavoro"));
    EXPECT_EQ(value("C:/WINDOWS/Prova.ini"), QStringLiteral("windows"));
    EXPECT_EQ(value("Manca.ini"), QStringLiteral("nessuno"));
    EXPECT_EQ(value("C:\\Manca\\Prova.ini"), QStringLiteral("nessuno"));
    EXPECT_EQ(value("B:\\Prova.ini"), QStringLiteral("nessuno"));
    EXPECT_EQ(value("\\\\server\\Prova.ini"), QStringLiteral("nessuno"));
    EXPECT_EQ(value("C:\\Lavoro"), QStringLiteral("nessuno"));
    EXPECT_EQ(profile::readString(QStringLiteral("windows"), QStringLiteral("k"), QString(), QString()),
              QStringLiteral("win"));
    EXPECT_EQ(read(nullptr, nullptr, "nessuno", 64, QStringLiteral("Manca.ini")).buffer,
              QStringLiteral("nessuno") + QChar(u'\0'));
}

TEST_F(ProfileReadTest, ReadsUtf16FilesWithTheirByteOrderMark)
{
    const QString content = QStringLiteral("[Sezione]\r\nNome=Ωmega città\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : content) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    writeIni(bytes);
    EXPECT_EQ(
        profile::readString(QStringLiteral("sezione"), QStringLiteral("nome"), QString(), QStringLiteral("Prova.ini")),
        QStringLiteral("Ωmega città"));
}

} // namespace
