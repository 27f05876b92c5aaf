#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

#include "platform/ErrorNumber.h"
#include "platform/Profile.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

// An empty string is an empty name here, never the platform's null "list everything" argument.
QString nonNull(const QString& text)
{
    return text.isNull() ? QString::fromUtf16(u"") : text;
}

std::uint32_t doubledBufferSize(std::uint32_t size)
{
    if (size > std::uint32_t(std::numeric_limits<std::int32_t>::max()) / 2)
        throw platform::RuntimeError(platform::Overflow);
    return size * 2;
}

} // namespace

QString UtilexClassObject::GetPrivateProfileString(QString& psAppName, QString& psKeyName, Variant& pvsDefault,
                                                   Variant& pvsFileName)
{
    const QString section = nonNull(psAppName);
    const QString key = nonNull(psKeyName);
    const QString defaultValue = nonNull(pvsDefault.isMissing() ? QString() : pvsDefault.toString());
    const QString fileName = pvsFileName.isMissing() ? QString::fromUtf16(u"win.ini") : nonNull(pvsFileName.toString());

    std::uint32_t size = 256;
    for (;;) {
        std::vector<char16_t> buffer;
        try {
            buffer.assign(size, u' ');
        } catch (const std::bad_alloc&) {
            throw platform::RuntimeError(platform::OutOfMemory);
        }
        const std::uint32_t copied =
            platform::profile::getPrivateProfileString(section, key, defaultValue, buffer.data(), size, fileName);
        // The platform answers size - 1 (size - 2 in its list modes) when the value did not fit.
        if (copied != size - 1 && copied != size - 2)
            return QString::fromUtf16(buffer.data(), qsizetype(std::min(copied, size)));
        size = doubledBufferSize(size);
    }
}

Boolean UtilexClassObject::WritePrivateProfileString(QString& psApplicationName, QString& psKeyName, QString& psValue,
                                                     QString& psFilename)
{
    return automation::toBoolean(platform::profile::writePrivateProfileString(
        nonNull(psApplicationName), nonNull(psKeyName), nonNull(psValue), nonNull(psFilename)));
}

} // namespace utilex
