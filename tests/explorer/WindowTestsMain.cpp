#include "ui/GuardedApplication.h"

int runCardTransferWindowTest(int argc, char** argv);
int runFrmExplorerLayoutTest(int argc, char** argv);
int runFrmExplorerListsTest(int argc, char** argv);
int runFrmExplorerMenusTest(int argc, char** argv);

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runFrmExplorerListsTest, &runFrmExplorerLayoutTest, &runFrmExplorerMenusTest,
                     &runCardTransferWindowTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
