#pragma once

#include <QString>

namespace demo {

// The demo workstation's users in the configuration database "Tramex Config.mdb": the head of
// the pattern office with every right, two pattern makers with some, and a trainee who may only
// read. The database is made only when it is missing; one that fails half-way leaves no file.
class SampleUsers {
public:
    // folder: the configuration database's folder in Windows form, ending with "\".
    static void layOut(const QString& folder);
};

} // namespace demo
