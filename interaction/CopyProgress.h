#pragma once

#include <QtGlobal>

namespace interaction {

// The shell's progress dialog while it copies a file: it shows how far the copy has come and lets
// the user cancel it. The dialog goes when the object goes.
class CopyProgress {
public:
    virtual ~CopyProgress();
    // Bytes copied so far of the whole; false once the user has cancelled the copy.
    virtual bool advance(qint64 copied, qint64 total) = 0;
};

} // namespace interaction
