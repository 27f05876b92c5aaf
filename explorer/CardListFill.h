#pragma once

#include <QString>

class QIcon;
class QTreeWidget;

namespace explorer {

enum class CardOrder { Recordset, ByKey };

// Adds a row to the card list for every Modelli row of the card archive at archivePath, opened
// exclusively, in recordset order or ascending by key (as the list sorts by the text of its
// first column, which sorting the rows before they are listed spares a large list): the key
// PCMTV as the row's text with the card icon, then
// DescCollezione, DescVariante, DescCapo, TagliaBase and GammaTaglie. A Null shows as an empty
// cell. The count is not limited to 16 bits. Errors go to the error dialog under
// procedureName: retry runs the failing step again, ignore goes on, abort leaves (the rows read
// so far stay listed).
void fillCardList(QTreeWidget& list, const QString& archivePath, const QIcon& cardIcon, const QString& procedureName,
                  CardOrder order);

} // namespace explorer
