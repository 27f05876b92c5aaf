#include <cctype>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "fuzz/Checks.h"
#include "tests/support/Printers.h"

namespace {

struct Input {
    const char* target;
    fuzz::Check check;
    QString path;
};

// The seeds (fuzz/corpus/<target>) and the kept findings (fuzz/regression/<target>) of every target.
void PrintTo(const Input& input, std::ostream* os)
{
    *os << input.path.toStdString();
}

std::vector<Input> inputs()
{
    std::vector<Input> all;
    for (const fuzz::NamedCheck& named : fuzz::checks()) {
        for (const char* kind : {"corpus", "regression"}) {
            const QDir folder(
                QStringLiteral(TRAMEX_FUZZ_FOLDER "/%1/%2").arg(QLatin1String(kind), QLatin1String(named.target)));
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
                all.push_back({named.target, named.check, folder.filePath(name)});
        }
    }
    return all;
}

std::string testName(const testing::TestParamInfo<Input>& info)
{
    std::string name = std::string(info.param.target) + "_" + QFileInfo(info.param.path).fileName().toStdString();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

class FuzzReplayTest : public testing::TestWithParam<Input> {};

TEST_P(FuzzReplayTest, TheInputKeepsEveryInvariant)
{
    QFile file(GetParam().path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().path.toStdString();
    EXPECT_EQ(GetParam().check(file.readAll()), QString()) << GetParam().path.toStdString();
}

TEST(FuzzCorpus, EveryTargetHasSeeds)
{
    for (const fuzz::NamedCheck& named : fuzz::checks())
        EXPECT_FALSE(QDir(QStringLiteral(TRAMEX_FUZZ_FOLDER "/corpus/%1").arg(QLatin1String(named.target))).isEmpty())
            << named.target;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplayTest, testing::ValuesIn(inputs()), testName);
