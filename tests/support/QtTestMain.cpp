#include "tests/support/QtTestMain.h"

#include <map>
#include <string>

#include "ui/GuardedApplication.h"

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
    int failed = 0;
    for (const auto& [name, run] : added())
        failed += run(argc, argv) != 0 ? 1 : 0;
    return failed == 0 ? 0 : 1;
}
