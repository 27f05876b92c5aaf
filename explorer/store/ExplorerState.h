#pragma once

#include <cstdint>

#include <QString>

namespace store {

// The explorer's process-wide state, set at start-up and read by every command.
struct ExplorerState {
    QString IniFileName;      // the explorer's own INI file, a bare name
    QString DatabaseFolder;   // the card archive folder, used as a prefix: ends with "\"
    std::uint8_t CadType = 0; // 0 none, 1 Accumark, 2 Investronica, 3 Lectra
    QString CurrentArchive;   // upper case, without ".mdb"; empty until one is opened

    // DatabaseFolder + CurrentArchive (+ ".mdb" when withExtension).
    QString currentArchivePath(bool withExtension) const;
};

// The one instance of the process.
ExplorerState& explorerState();

} // namespace store
