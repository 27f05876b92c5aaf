#pragma once

#include <QString>

namespace utilex {
class _UtilexClass;
}

namespace transfer {

class TransferWindow;

// The card key of a Lectra piece file: its name after the last "\", cut before its first "." and
// to 20 characters. "C:\Lectra\ABC.V1.TXT" gives "ABC".
QString LectraCardKey(utilex::_UtilexClass& utility, const QString& path);

// Makes the piece lines of the Lectra file the SchedaModello rows of the card `key` in the current
// archive, numbered from 1, reusing the card's old rows in order and deleting those left over, in
// one transaction. Errors go to the error dialog as "Proc:ImportaModello_Error"; abort discards
// the transaction, so the card keeps the pieces it had.
void ImportaModelloLectra(utilex::_UtilexClass& utility, const QString& path, const QString& key);

// The Lectra import command: picks the file, creates the card header, imports, and shows the
// current archive's cards again. Its own failures go to the same error dialog.
void ImportLectraModel(TransferWindow& window);

} // namespace transfer
