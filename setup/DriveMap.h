#pragma once

#include <optional>

#include <QChar>
#include <QString>

namespace setup {

struct DriveMapping {
    QChar letter;
    QString folder; // host folder
    bool removable = false;
    std::optional<qint64> capacity;
};

// The drive letters of a workstation's drives.ini. Refusals raise std::invalid_argument with a
// message for the user, and leave the file as it was.
class DriveMap {
public:
    explicit DriveMap(QString root);

    // A removable drive's folder may be missing (the medium is not in): it is ready once it exists.
    void map(const DriveMapping& mapping);
    void unmap(QChar letter);

private:
    QString drivesFile() const;

    QString m_root;
};

} // namespace setup
