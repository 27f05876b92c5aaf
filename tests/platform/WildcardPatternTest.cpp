#include "platform/WildcardPattern.h"

#include <gtest/gtest.h>

using platform::WildcardPattern;

namespace {

struct Case {
    const char* pattern;
    const char* name;
    bool matches;
};

void PrintTo(const Case& value, std::ostream* out)
{
    *out << value.pattern << " / " << value.name;
}

class WildcardPatternTest : public ::testing::TestWithParam<Case> {};

TEST_P(WildcardPatternTest, MatchesAsWindowsListingsDo)
{
    const Case& c = GetParam();
    EXPECT_EQ(WildcardPattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.name)), c.matches)
        << c.pattern << " against " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WildcardPatternTest,
    ::testing::Values(
        // "*.*" is every name, with or without a dot
        Case{"*.*", "README", true}, Case{"*.*", "a.b.c", true}, Case{"*.*", ".profile", true}, Case{"*", "x.y", true},
        // extensions, ignoring case, up to the last dot
        Case{"*.mdb", "B.MDB", true}, Case{"*.MDB", "archivio.mdb", true}, Case{"*.mdb", "a.b.mdb", true},
        Case{"*.mdb", "a.mdb.bak", false}, Case{"*.mdb", "mdb", false}, Case{"*.mdb", "x.mdbx", false},
        Case{"camicie*.mdb", "CAMICIE 2001.Mdb", true}, Case{"camicie*.mdb", "gonne.mdb", false},
        // "*." is the names without an extension
        Case{"*.", "README", true}, Case{"*.", "a.txt", false},
        // "?" is one character, or none at a dot or at the end
        Case{"a?c", "abc", true}, Case{"a?c", "ac", false}, Case{"a?c", "a.c", false}, Case{"ab?", "ab", true},
        Case{"ab??", "abc", true}, Case{"???", "abcd", false}, Case{"a?.txt", "a.txt", true},
        Case{"a?.txt", "ab.txt", true}, Case{"a?.txt", "abc.txt", false}, Case{"file?.*", "FILE1.dat", true},
        Case{"file?.*", "file", true},
        // "." before a wildcard or the end also matches a name's end
        Case{"abc.*", "abc", true}, Case{"abc.", "abc", true}, Case{"abc.", "abcd", false},
        // plain names
        Case{"Tramex.ini", "TRAMEX.INI", true}, Case{"Tramex.ini", "Tramex.ini.bak", false},
        Case{"Tramex.ini", "Tramex.in", false}, Case{"*", "", true}, Case{"", "", true}, Case{"àè*", "ÀÈ.txt", true}),
    [](const ::testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

} // namespace
