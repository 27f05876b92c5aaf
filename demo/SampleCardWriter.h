#pragma once

#include <cstdint>

#include <QString>
#include <QStringList>

namespace demo {

// Cards of a clothing collection, the same on every run for the same seed: garments, variants,
// pieces ("Davanti", "Dietro", "Manica", ...) and markers with fabrics, sizes and consumption.
class SampleCardWriter {
public:
    struct Shape {
        int fewestPieces = 5;
        int mostPieces = 25;
        int fewestMarkers = 1;
        int mostMarkers = 6;
    };

    // keyPrefix starts every card key ("PE26" gives "PE26-GIA-00001"); at most 8 characters.
    SampleCardWriter(QString collection, QString keyPrefix, std::uint32_t seed, Shape shape);

    // Adds `count` cards to the existing card archive at a Windows path, in one transaction, and
    // returns their keys in the order written.
    QStringList write(const QString& archivePath, int count);

private:
    QString m_collection;
    QString m_keyPrefix;
    std::uint32_t m_seed;
    Shape m_shape;
};

} // namespace demo
