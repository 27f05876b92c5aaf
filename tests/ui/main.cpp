#include <QApplication>

int runQtClipboardBackendTest(int argc, char** argv);
int runQtKeyStateTest(int argc, char** argv);
int runQtPrompterTest(int argc, char** argv);
int runQtScreenBackendTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failed = 0;
    for (auto run : {&runQtClipboardBackendTest, &runQtKeyStateTest, &runQtPrompterTest, &runQtScreenBackendTest})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
