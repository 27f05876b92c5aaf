#pragma once

#include <QString>

#include "tests/support/TestWorkstation.h"

namespace gridtest {

// A fresh workstation with Grivola registered from the build.
class GrivolaWorkstation : public TestWorkstation {
public:
    GrivolaWorkstation() { registerBuilt(QStringLiteral("Grivola.dll")); }

    static QString libraryFile() { return builtProgram(QStringLiteral("Grivola.dll")); }
};

} // namespace gridtest
