#pragma once

#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

// Builds zip archives that the component would never write (hostile names) and runs the zip
// tools on host paths.
namespace salvixziptest {

// A stored (uncompressed) zip at hostPath holding the given entries, names taken as they are.
void writeRawArchive(const QString& hostPath, const std::vector<std::pair<QString, QByteArray>>& entries);

struct ToolRun {
    int exitCode = -1;
    QString out;
};
// Runs a program with the arguments; its exit code and standard output.
ToolRun runTool(const QString& program, const QStringList& arguments);
ToolRun unzip(const QStringList& arguments);

// Changes one byte of a file at an offset.
void flipByte(const QString& hostPath, qint64 offset);

} // namespace salvixziptest
