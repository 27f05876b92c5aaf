#pragma once

#include <QString>

#include "automation/TypedDispatch.h"
#include "backup/zip/SalvixZip.h"

namespace salvixzip {

// An instance of SalvixZip.Decompressor: extracts a zip's entries below a base folder. An
// extraction changes files only when it can be whole: every entry is first written to a
// temporary name in its target folder and its CRC checked, and only when all of them are sound
// do they take the names of the files they replace. A damaged or truncated archive, or one with
// an entry that could write outside the base folder, fails and leaves every file as it was.
class DecompressorObject final : public _Decompressor, public automation::TypedDispatch {
public:
    DecompressorObject();
    ~DecompressorObject() override;
    DecompressorObject(const DecompressorObject&) = delete;
    DecompressorObject& operator=(const DecompressorObject&) = delete;

    void SetArchive(QString& Path) override;
    // False (the default): an entry whose file exists is left out.
    void SetOverwrite(std::int16_t& Value) override;
    // False (the default): every file goes straight into the base folder.
    void SetRestoreFolders(std::int16_t& Value) override;
    // The folder the entries' paths start from; the current folder when none is set.
    void SetBaseFolder(QString& Path) override;
    // Include and Exclude are wildcard patterns on the entries' file names; an empty Include
    // takes every entry, an empty Exclude leaves none out.
    std::int32_t Extract(QString& Include, QString& Exclude) override;
    QString ErrorText() override;

private:
    void extract(const QString& include, const QString& exclude);

    QString m_archive;
    bool m_overwrite = false;
    bool m_restoreFolders = false;
    QString m_baseFolder;
    QString m_errorText;
};

} // namespace salvixzip
