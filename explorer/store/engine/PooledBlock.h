#pragma once

#include <cstddef>
#include <memory>

namespace store {

// A block of memory that goes back to a process-wide pool when it is dropped, so that the next
// recordset reads its rows into memory already mapped: fresh memory costs the kernel a page
// fault per page, as much as reading the rows does. The pool keeps a bounded amount.
class PooledBlock {
public:
    explicit PooledBlock(std::size_t bytes);
    PooledBlock(PooledBlock&& other) noexcept = default;
    PooledBlock& operator=(PooledBlock&& other) noexcept;
    PooledBlock(const PooledBlock&) = delete;
    PooledBlock& operator=(const PooledBlock&) = delete;
    ~PooledBlock();

    void* data() const { return m_data.get(); }

private:
    void giveBack();

    std::unique_ptr<std::byte[]> m_data;
    std::size_t m_bytes = 0;
};

} // namespace store
