#include "explorer/store/engine/TextBlockPool.h"

#include <deque>
#include <mutex>
#include <utility>

namespace store {

namespace {

const qsizetype retainedCodeUnits = 8 * 1024 * 1024;

class Pool {
public:
    QString::DataPointer take(qsizetype capacity)
    {
        std::lock_guard guard(m_mutex);
        for (auto block = m_blocks.begin(); block != m_blocks.end(); ++block) {
            if (!block->isShared() && block->constAllocatedCapacity() >= capacity) {
                QString::DataPointer free = std::move(*block);
                m_retained -= free.constAllocatedCapacity();
                m_blocks.erase(block);
                return free;
            }
        }
        return QString::DataPointer(QTypedArrayData<char16_t>::allocate(capacity));
    }

    void giveBack(QString::DataPointer block)
    {
        std::lock_guard guard(m_mutex);
        m_retained += block.constAllocatedCapacity();
        m_blocks.push_back(std::move(block));
        while (m_retained > retainedCodeUnits) {
            m_retained -= m_blocks.front().constAllocatedCapacity();
            m_blocks.pop_front();
        }
    }

private:
    std::mutex m_mutex;
    std::deque<QString::DataPointer> m_blocks;
    qsizetype m_retained = 0;
};

Pool& pool()
{
    // Never destroyed: handles dropped while the process ends still find it.
    static Pool* const instance = new Pool;
    return *instance;
}

} // namespace

QString::DataPointer TextBlockPool::take(qsizetype capacity)
{
    return pool().take(capacity);
}

void TextBlockPool::giveBack(QString::DataPointer block)
{
    pool().giveBack(std::move(block));
}

} // namespace store
