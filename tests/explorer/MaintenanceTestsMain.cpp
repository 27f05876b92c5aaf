#include "ui/GuardedApplication.h"

int runArchiveMaintenanceTest(int argc, char** argv);
int runFrmConfigTest(int argc, char** argv);
int runIconsTest(int argc, char** argv);
int runInvoicingHandOffTest(int argc, char** argv);

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runArchiveMaintenanceTest, &runFrmConfigTest, &runInvoicingHandOffTest, &runIconsTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
