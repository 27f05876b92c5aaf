#pragma once

#include <QString>

namespace setup {

// What "tramex-workstation show" prints: each drive with its host folder, type, readiness and
// free space, then the registered components and their libraries.
QString workstationReport(const QString& root);

} // namespace setup
