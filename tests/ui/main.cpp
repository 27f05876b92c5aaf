#include <QApplication>

int runQtKeyStateTest(int argc, char** argv);
int runQtPrompterTest(int argc, char** argv);
int runQtScreenBackendTest(int argc, char** argv);
int runWidgetBridgeTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runQtKeyStateTest, &runQtPrompterTest, &runQtScreenBackendTest, &runWidgetBridgeTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
