#pragma once

#include <cstdint>

#include <QString>

#include "automation/DispatchObject.h"

namespace backup {

// The compression component's compressor ("SalvixZip.Compressor"), created by class id and
// called late-bound. Raises 429 when the component is not registered.
class Compressor {
public:
    Compressor();

    void SetArchive(const QString& path);
    // 0: one archive, no disk spanning (the backup splits the archive itself).
    void SetSpanning(std::int32_t value);
    // An empty path is skipped.
    void AddFile(const QString& path);
    // 0 when the archive was written.
    std::int32_t Finish();
    QString ErrorText();

private:
    automation::ObjectRef m_object;
};

} // namespace backup
