#pragma once

#include <QString>

namespace demo {

// The demo workstation's card archives: three collections of a clothing maker (PRIMAVERA2026,
// AUTUNNO2025, UOMO) and ARCHIVIOGRANDE, large enough to try the explorer's speed. Only the
// archives that are missing are made; one that fails half-way leaves no file behind.
class SampleArchives {
public:
    // folder: the card archive folder in Windows form, ending with "\".
    static void layOut(const QString& folder);
};

} // namespace demo
