#pragma once

#include <QtGlobal>

// How many disks and pieces a backup takes. Sizes are 64-bit: archives and free space beyond
// 2 GiB count as they are.
namespace backup::diskCount {

// What one floppy disk takes of a backup set, and so the size of its pieces.
inline constexpr qint64 floppyDiskBytes = 1'440'000;

// CalcolaTotaleDischi's estimate: the whole part of total / capacity, plus one when that is not
// 0 (also when the division is exact); one disk for anything to save that the division leaves at
// 0 (a capacity of 0 included); and one more for the settings, which take a disk of their own.
qint64 estimatedDisks(qint64 totalBytes, qint64 capacity, bool withSettings);

// The pieces a file of `length` bytes is cut into at `pieceSize` (> 0): the whole part of the
// division, plus one for a rest.
qint64 pieceCount(qint64 length, qint64 pieceSize);

} // namespace backup::diskCount
