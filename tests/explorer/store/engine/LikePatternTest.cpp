#include "explorer/store/engine/LikePattern.h"

#include <gtest/gtest.h>

namespace {

struct LikeCase {
    const char* text;
    const char* pattern;
    bool matches;
};

void PrintTo(const LikeCase& c, std::ostream* out)
{
    *out << '"' << c.text << "\" LIKE \"" << c.pattern << '"';
}

class LikePatternTest : public ::testing::TestWithParam<LikeCase> {};

TEST_P(LikePatternTest, MatchesAsTheEngineDoes)
{
    EXPECT_EQ(store::LikePattern::matches(QString::fromUtf8(GetParam().text), QString::fromUtf8(GetParam().pattern)),
              GetParam().matches)
        << GetParam().text << " LIKE " << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, LikePatternTest,
    ::testing::Values(LikeCase{"GIACCA", "giacca", true}, LikeCase{"Giacca", "G*", true},
                      LikeCase{"Giacca", "*CC*", true}, LikeCase{"Giacca", "*x*", false}, LikeCase{"", "*", true},
                      LikeCase{"", "?", false}, LikeCase{"A1", "A?", true}, LikeCase{"A12", "A?", false},
                      LikeCase{"A1", "A#", true}, LikeCase{"AB", "A#", false}, LikeCase{"K7", "[a-k]#", true},
                      LikeCase{"Z7", "[a-k]#", false}, LikeCase{"Z7", "[!a-k]#", true}, LikeCase{"a*b", "a[*]b", true},
                      LikeCase{"axb", "a[*]b", false}, LikeCase{"50%", "50%", true}, LikeCase{"501", "50%", false},
                      LikeCase{"a_b", "a_b", true}, LikeCase{"axb", "a_b", false}, LikeCase{"abcabd", "*ab?", true},
                      LikeCase{"Città", "CITTÀ", true}, LikeCase{"x", "[abc", false}));

} // namespace
