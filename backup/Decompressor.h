#pragma once

#include <cstdint>

#include <QString>

#include "automation/DispatchObject.h"

namespace backup {

// The compression component's decompressor ("SalvixZip.Decompressor"), created by class id and
// called late-bound. Raises 429 when the component is not registered. It replaces a file only
// once every entry of the archive has passed its check, so a damaged archive changes nothing.
class Decompressor {
public:
    Decompressor();

    void SetArchive(const QString& path);
    void SetOverwrite(bool value);
    void SetRestoreFolders(bool value);
    // Where the entries' paths start: a drive root such as "C:\".
    void SetBaseFolder(const QString& path);
    // Both empty: every entry. 0 when everything was extracted.
    std::int32_t Extract(const QString& include, const QString& exclude);
    QString ErrorText();

private:
    automation::ObjectRef m_object;
};

} // namespace backup
