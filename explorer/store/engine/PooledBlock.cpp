#include "explorer/store/engine/PooledBlock.h"

#include <map>
#include <mutex>
#include <utility>

namespace store {

namespace {

class Pool {
public:
    std::unique_ptr<std::byte[]> take(std::size_t bytes)
    {
        std::lock_guard guard(m_mutex);
        const auto found = m_blocks.find(bytes);
        if (found == m_blocks.end())
            return nullptr;
        std::unique_ptr<std::byte[]> block = std::move(found->second);
        m_blocks.erase(found);
        m_total -= bytes;
        return block;
    }

    void give(std::unique_ptr<std::byte[]> block, std::size_t bytes)
    {
        std::lock_guard guard(m_mutex);
        if (m_total + bytes > limit)
            return;
        m_blocks.emplace(bytes, std::move(block));
        m_total += bytes;
    }

private:
    static const std::size_t limit = 32 * 1024 * 1024;

    std::mutex m_mutex;
    std::multimap<std::size_t, std::unique_ptr<std::byte[]>> m_blocks;
    std::size_t m_total = 0;
};

Pool& pool()
{
    // Never destroyed: handles dropped while the process ends still find it.
    static Pool* const instance = new Pool;
    return *instance;
}

} // namespace

PooledBlock::PooledBlock(std::size_t bytes) : m_data(pool().take(bytes)), m_bytes(bytes)
{
    if (!m_data)
        m_data = std::make_unique_for_overwrite<std::byte[]>(bytes);
}

PooledBlock& PooledBlock::operator=(PooledBlock&& other) noexcept
{
    if (this != &other) {
        giveBack();
        m_data = std::move(other.m_data);
        m_bytes = other.m_bytes;
    }
    return *this;
}

PooledBlock::~PooledBlock()
{
    giveBack();
}

void PooledBlock::giveBack()
{
    if (m_data)
        pool().give(std::move(m_data), m_bytes);
}

} // namespace store
