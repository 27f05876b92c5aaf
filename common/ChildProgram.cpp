#include "common/ChildProgram.h"

#include <cstdint>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "platform/Process.h"
#include "platform/WindowsPath.h"

namespace common::childProgram {

QString besideProgram(const QString& fileName)
{
    return program::folder() + u'\\' + fileName;
}

bool exists(const QString& programPath)
{
    return !platform::windowsPath::resolveProgram(programPath).isEmpty();
}

void runAndWait(const QString& commandLine)
{
    std::int32_t pid = std::int32_t(platform::process::start(commandLine));
    utility().WaitForShell(pid);
}

} // namespace common::childProgram
