#include "fuzz/Checks.h"

#include <cstdio>
#include <cstdlib>

#include "fuzz/AccumarkDumpCheck.h"
#include "fuzz/CardImportCheck.h"
#include "fuzz/CommandLineCheck.h"
#include "fuzz/DragPayloadCheck.h"
#include "fuzz/LectraPiecesCheck.h"
#include "fuzz/ProfileReadCheck.h"
#include "fuzz/ProfileWriteCheck.h"
#include "fuzz/SalvixDescriptionCheck.h"
#include "fuzz/SalvixExtractCheck.h"
#include "fuzz/SalvixJoinCheck.h"
#include "fuzz/StatementCheck.h"
#include "fuzz/WindowsPathCheck.h"

namespace fuzz {

const QList<NamedCheck>& checks()
{
    static const QList<NamedCheck> all{
        {"profile_read", &checkProfileRead},   {"profile_write", &checkProfileWrite},
        {"windows_path", &checkWindowsPath},   {"command_line", &checkCommandLine},
        {"statement", &checkStatement},        {"drag_payload", &checkDragPayload},
        {"card_import", &checkCardImport},     {"accumark_dump", &checkAccumarkDump},
        {"lectra_pieces", &checkLectraPieces}, {"salvix_description", &checkSalvixDescription},
        {"salvix_join", &checkSalvixJoin},     {"salvix_extract", &checkSalvixExtract},
    };
    return all;
}

int runCheck(Check check, const std::uint8_t* data, std::size_t size)
{
    const QString broken = check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "broken: %s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}

} // namespace fuzz
