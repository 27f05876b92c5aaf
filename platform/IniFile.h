#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/IniDocument.h"

namespace platform {

// An INI file's bytes as text: Windows-1252, or UTF-16LE when the file starts with its byte
// order mark. Saving keeps the encoding the file was read in.
class IniFile {
public:
    enum class Encoding { Ansi, Utf16 };

    IniFile() = default;
    explicit IniFile(const QByteArray& bytes);

    // The file at hostPath; nothing when it is missing or cannot be read as a file.
    static std::optional<IniFile> read(const QString& hostPath);

    IniDocument& document() { return m_document; }
    const IniDocument& document() const { return m_document; }
    Encoding encoding() const { return m_encoding; }
    QByteArray bytes() const;

private:
    IniDocument m_document;
    Encoding m_encoding = Encoding::Ansi;
};

} // namespace platform
