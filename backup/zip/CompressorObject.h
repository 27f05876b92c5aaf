#pragma once

#include <vector>

#include <QStringList>

#include "automation/TypedDispatch.h"
#include "backup/zip/SalvixZip.h"

namespace salvixzip {

// An instance of SalvixZip.Compressor: collects the archive's path and the files to add, and
// writes the zip (deflate, level 6) on Finish. Nothing is written before Finish, and the file at
// the archive's path is replaced only when the whole archive was written. Disk spanning is not
// offered: any spanning value but 0 makes Finish fail.
class CompressorObject final : public _Compressor, public automation::TypedDispatch {
public:
    CompressorObject();
    ~CompressorObject() override;
    CompressorObject(const CompressorObject&) = delete;
    CompressorObject& operator=(const CompressorObject&) = delete;

    void SetArchive(QString& Path) override;
    void SetSpanning(std::int32_t& Value) override;
    void AddFile(QString& Path) override;
    std::int32_t Finish() override;
    QString ErrorText() override;

private:
    struct Entry {
        QString hostPath;
        QString name;
    };

    void writeArchive();
    void writeZip(const QString& hostPath, const std::vector<Entry>& entries) const;

    QString m_archive;
    std::int32_t m_spanning = 0;
    QStringList m_files;
    QString m_errorText;
};

} // namespace salvixzip
