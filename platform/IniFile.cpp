#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>

#include "platform/Codepage.h"

namespace platform {

namespace {

const QByteArray utf16Mark("\xFF\xFE", 2);

} // namespace

IniFile::IniFile(const QByteArray& bytes)
{
    if (bytes.startsWith(utf16Mark)) {
        m_encoding = Encoding::Utf16;
        QString text((bytes.size() - 2) / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto low = static_cast<unsigned char>(bytes[2 + 2 * i]);
            const auto high = static_cast<unsigned char>(bytes[3 + 2 * i]);
            text[i] = QChar(char16_t(low | (high << 8)));
        }
        m_document = IniDocument(text);
    } else {
        m_document = IniDocument(codepage::toUnicode(bytes));
    }
}

std::optional<IniFile> IniFile::read(const QString& hostPath)
{
    if (!QFileInfo(hostPath).isFile())
        return std::nullopt;
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return IniFile(file.readAll());
}

QByteArray IniFile::bytes() const
{
    const QString& text = m_document.text();
    if (m_encoding == Encoding::Ansi)
        return codepage::fromUnicode(text);
    QByteArray bytes = utf16Mark;
    bytes.reserve(2 + 2 * text.size());
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace platform
