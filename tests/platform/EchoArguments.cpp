// Writes what it was started with into the file named by PLATFORM_TEST_ECHO, one item a line:
// the number of arguments, each argument, the workstation variable and the current folder.
// PLATFORM_TEST_SLEEP_MS makes it wait first.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (const char* sleep = std::getenv("PLATFORM_TEST_SLEEP_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(sleep)));
    const char* output = std::getenv("PLATFORM_TEST_ECHO");
    if (!output)
        return 2;
    std::ofstream file(output, std::ios::binary);
    file << argc - 1 << '\n';
    for (int i = 1; i < argc; ++i)
        file << argv[i] << '\n';
    const char* workstation = std::getenv("TRAMEX_WORKSTATION");
    file << (workstation ? workstation : "") << '\n';
    char folder[4096];
    file << (::getcwd(folder, sizeof folder) ? folder : "") << '\n';
    return 0;
}
