#pragma once

#include <cstdint>

#include <QString>

namespace explorer {

class FrmExplorer;

// The CAD system marked in "TramexCADConfig.ini": 0 none, 1 Accumark, 2 Investronica, 3 Lectra.
std::uint8_t ReadCadType();

// "Accumark", "Investronica", "Lectra"; empty for no CAD system.
QString cadName(std::uint8_t cadType);

// The program's start: sets IniFileName, DatabaseFolder and CadType of the explorer's state and
// opens the main window modeless. The window deletes itself when it closes.
FrmExplorer* startUp();

} // namespace explorer
