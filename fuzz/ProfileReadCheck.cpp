#include "fuzz/ProfileReadCheck.h"

#include <vector>

#include "fuzz/FuzzWorld.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Profile.h"

namespace fuzz {

namespace {

const QString iniFile = QStringLiteral("C:\\Import\\Letto.ini");
constexpr qsizetype namesLooked = 16;

// A read into a buffer of exactly `size` characters (so that the sanitizer sees any write past
// it): what it copied, or why the copy breaks the call's contract.
QString readInto(const QString& section, const QString& key, std::uint32_t size, QString& copied)
{
    std::vector<char16_t> buffer(size, u'\x7f');
    const std::uint32_t length = platform::profile::getPrivateProfileString(section, key, QStringLiteral("predefinito"),
                                                                            buffer.data(), size, iniFile);
    if (length >= size)
        return QStringLiteral("%1 characters copied into a buffer of %2").arg(length).arg(size);
    if (buffer[length] != u'\0')
        return QStringLiteral("no NUL after the %1 characters copied").arg(length);
    copied = QString::fromUtf16(buffer.data(), length);
    return QString();
}

QString valueReadsWhole(const platform::IniDocument& document, const QString& section, const QString& key)
{
    const auto expected = document.value(section, key);
    if (!expected)
        return QStringLiteral("[%1] %2 listed but not found").arg(section, key);
    const auto whole = std::uint32_t(expected->size() + 2);
    for (const std::uint32_t size : {1u, 2u, 3u, 7u, whole}) {
        QString copied;
        if (QString broken = readInto(section, key, size, copied); !broken.isEmpty())
            return QStringLiteral("[%1] %2: %3").arg(section, key, broken);
        if (!expected->startsWith(copied) || (size == whole && copied != *expected))
            return QStringLiteral("[%1] %2 read \"%3\" for \"%4\"").arg(section, key, copied, *expected);
    }
    return QString();
}

} // namespace

// Every section and key the file lists is found again; every read fits its buffer, ends with a
// NUL and yields the value or its beginning.
QString checkProfileRead(const QByteArray& input)
{
    FuzzWorld::instance().writeFile(iniFile, input);
    const auto file = platform::IniFile::read(FuzzWorld::hostPath(iniFile));
    if (!file)
        return QStringLiteral("the file written cannot be read");
    const platform::IniDocument& document = file->document();
    const QStringList sections = document.sectionNames();
    for (const std::uint32_t size : {1u, 2u, 5u, 64u, 65536u}) {
        QString copied;
        if (QString broken = readInto(QString(), QString(), size, copied); !broken.isEmpty())
            return QStringLiteral("section list: ") + broken;
    }
    for (const QString& section : sections.first(std::min(sections.size(), namesLooked))) {
        if (!document.hasSection(section))
            return QStringLiteral("section [%1] listed but not found").arg(section);
        const QStringList keys = document.keyNames(section);
        for (const QString& key : keys.first(std::min(keys.size(), namesLooked))) {
            if (QString broken = valueReadsWhole(document, section, key); !broken.isEmpty())
                return broken;
        }
    }
    return QString();
}

} // namespace fuzz
