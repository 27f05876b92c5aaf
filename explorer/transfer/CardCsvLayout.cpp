#include "explorer/transfer/CardCsvLayout.h"

namespace transfer::cardCsv {

bool isPieceCount(QLatin1String column)
{
    return column == QLatin1String("Digit") || column == QLatin1String("RuotaX");
}

} // namespace transfer::cardCsv
