#include "grid/GrivoThunks.h"

#include "automation/MethodThunk.h"
#include "grid/GrivolaTypeLibrary.h"

namespace grid {

std::vector<automation::TypedDispatch::Thunk> grivoThunks(_Grivo& object)
{
    const auto& methods = grivoInterface().methods;
    std::size_t slot = 0;
    // Braced lists evaluate in order, so each thunk meets its own row of the type table.
    const auto next = [&](auto method) { return automation::methodThunk(object, methods.at(slot++), method); };
    return {
        next(&_Grivo::Grid_Text_Move),  next(&_Grivo::GridSelCopy),     next(&_Grivo::GridSelPaste),
        next(&_Grivo::IncollaMultiplo), next(&_Grivo::RinumeraGriglia), next(&_Grivo::GridLineDelete),
        next(&_Grivo::GridLineCut),     next(&_Grivo::GridLinePaste),   next(&_Grivo::GridLineCopy),
        next(&_Grivo::GridSelCut),      next(&_Grivo::GridSelFormat),   next(&_Grivo::DimensionaRigaGriglia),
        next(&_Grivo::GetSelPos),       next(&_Grivo::MultiEdit),       next(&_Grivo::CancellaLineeVuote),
        next(&_Grivo::GridCellColor),
    };
}

} // namespace grid
