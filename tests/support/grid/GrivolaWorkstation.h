#pragma once

#include <QString>
#include <QTemporaryDir>

namespace gridtest {

// A fresh workstation in a temporary folder, made the process's own, with Grivola registered from
// the build's program folder (TRAMEX_BIN_DIR).
class GrivolaWorkstation {
public:
    GrivolaWorkstation();

    QString root() const { return m_folder.path(); }
    static QString libraryFile();

private:
    QTemporaryDir m_folder;
};

} // namespace gridtest
