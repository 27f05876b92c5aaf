#include "ui/GuardedApplication.h"

int runGuardedApplicationTest(int argc, char** argv);
int runQtKeyStateTest(int argc, char** argv);
int runQtPrompterTest(int argc, char** argv);
int runQtScreenBackendTest(int argc, char** argv);

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runGuardedApplicationTest, &runQtKeyStateTest, &runQtPrompterTest, &runQtScreenBackendTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
