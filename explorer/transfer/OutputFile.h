#pragma once

#include <QByteArray>
#include <QString>

namespace transfer {

// A file opened for Output: created or emptied when it opens, written line by line, closed when
// the object goes or Close is called.
class OutputFile {
public:
    OutputFile() = default;
    // Raises 76 when the folder is missing, 75 when the file may not be written, 52 for a bad name.
    explicit OutputFile(const QString& windowsPath);
    ~OutputFile();
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes the bytes and CR LF. Raises 61 when the disk is full, 52 when the file is not open.
    void writeLine(const QByteArray& bytes);
    void Close();

private:
    int m_descriptor = -1;
};

} // namespace transfer
