#include "backup/zip/SalvixZipServer.h"

#include <memory>

#include "backup/zip/CompressorObject.h"
#include "backup/zip/DecompressorObject.h"
#include "backup/zip/SalvixZip.h"
#include "backup/zip/SalvixZipTypeLibrary.h"

namespace salvixzip {

automation::ComponentServer& componentServer()
{
    static automation::ComponentServer server(
        salvixZipLibrary(), {
                                {QUuid(QString::fromUtf16(CompressorClassId)),
                                 []() -> automation::ObjectRef { return std::make_shared<CompressorObject>(); }},
                                {QUuid(QString::fromUtf16(DecompressorClassId)),
                                 []() -> automation::ObjectRef { return std::make_shared<DecompressorObject>(); }},
                            });
    return server;
}

} // namespace salvixzip

AUTOMATION_COMPONENT_ENTRY_POINTS(salvixzip::componentServer())
