#include "tests/backup/zip/SalvixZipArchives.h"

#include <stdexcept>

#include <QFile>
#include <QProcess>

#include <zip.h>

namespace salvixziptest {

void writeRawArchive(const QString& hostPath, const std::vector<std::pair<QString, QByteArray>>& entries)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(hostPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        throw std::runtime_error("cannot create " + hostPath.toStdString());
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + name.toStdString());
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + hostPath.toStdString());
    }
}

ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        throw std::runtime_error(program.toStdString() + " did not end");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

ToolRun unzip(const QStringList& arguments)
{
    return runTool(QStringLiteral("unzip"), arguments);
}

void flipByte(const QString& hostPath, qint64 offset)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(offset))
        throw std::runtime_error("cannot open " + hostPath.toStdString());
    char byte = 0;
    file.getChar(&byte);
    file.seek(offset);
    file.putChar(char(byte ^ 0x5a));
}

} // namespace salvixziptest
