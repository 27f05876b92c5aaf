#pragma once

#include <QString>

namespace store {

// Blocks of UTF-16 text that recordsets share out as strings. A recordset hands its blocks
// back when it closes; the pool keeps a reference to each (so a string can never write into a
// block in place), and gives a block out again once no string uses it any more: its memory is
// then already mapped, where fresh memory would cost a page fault per page. Bounded; the
// oldest blocks are let go first.
class TextBlockPool {
public:
    // A block with room for at least capacity code units.
    static QString::DataPointer take(qsizetype capacity);
    static void giveBack(QString::DataPointer block);
};

} // namespace store
