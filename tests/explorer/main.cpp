#include "ui/GuardedApplication.h"

int runFileDialogsTest(int argc, char** argv);
int runFormPlacementTest(int argc, char** argv);
int runStartUpTest(int argc, char** argv);
int runValTest(int argc, char** argv);

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runStartUpTest, &runFormPlacementTest, &runFileDialogsTest, &runValTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
