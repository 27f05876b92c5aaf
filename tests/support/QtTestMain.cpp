#include "tests/support/QtTestMain.h"

#include <map>
#include <string>

#include "ui/GuardedApplication.h"
#include "ui/QtTranslations.h"

namespace {

std::map<std::string, QtTestRun>& added()
{
    static std::map<std::string, QtTestRun> runs;
    return runs;
}

} // namespace

bool addQtTest(const char* name, QtTestRun run)
{
    added().emplace(name, run);
    return true;
}

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    // The windows are tested in the language the programs show them in.
    const ui::QtTranslations translations;
    int failed = 0;
    for (const auto& [name, run] : added())
        failed += run(argc, argv) != 0 ? 1 : 0;
    return failed == 0 ? 0 : 1;
}
