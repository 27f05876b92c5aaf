#include "platform/Disk.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

std::int32_t UtilexClassObject::GetDiskFreeSpaceA(QString lpRootPathName, std::int32_t& lpSectorsPerCluster,
                                                  std::int32_t& lpBytesPerSector, std::int32_t& lpNumberOfFreeClusters,
                                                  std::int32_t& lpTotalNumberOfClusters)
{
    platform::disk::FreeSpace space;
    if (!platform::disk::freeSpace(lpRootPathName, space))
        return 0;
    // The counts travel as the platform's unsigned 32-bit words in signed Long variables.
    lpSectorsPerCluster = static_cast<std::int32_t>(space.sectorsPerCluster);
    lpBytesPerSector = static_cast<std::int32_t>(space.bytesPerSector);
    lpNumberOfFreeClusters = static_cast<std::int32_t>(space.freeClusters);
    lpTotalNumberOfClusters = static_cast<std::int32_t>(space.totalClusters);
    return 1;
}

Variant UtilexClassObject::GetOnlineDisks()
{
    QList<Variant> letters;
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter) {
        QString root(QChar{letter});
        root += u':';
        root += u'\\';
        platform::disk::FreeSpace space;
        try {
            if (platform::disk::freeSpace(root, space))
                letters.append(Variant(QString(QChar(letter))));
        } catch (const platform::RuntimeError&) {
            // A drive that fails to answer is not online.
        }
    }
    return Variant::array(letters, 1, automation::VarType::String);
}

std::int32_t UtilexClassObject::GetDiskSerialNumber(QString& strDrive)
{
    std::uint32_t serial = 0;
    QString label;
    QString fileSystem;
    try {
        if (!platform::disk::volumeInformation(strDrive, serial, label, fileSystem))
            return 0;
    } catch (const platform::RuntimeError&) {
        return 0;
    }
    return static_cast<std::int32_t>(serial);
}

} // namespace utilex
