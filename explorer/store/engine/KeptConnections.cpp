#include "explorer/store/engine/KeptConnections.h"

#include <utility>

namespace store {

KeptConnections& KeptConnections::instance()
{
    // Never destroyed: databases closed while the process ends still find it.
    static KeptConnections* const kept = new KeptConnections;
    return *kept;
}

SqliteConnection KeptConnections::take(const QString& hostPath, const FileIdentity& identity, bool readOnly,
                                       const QString& displayPath, FileState& opened)
{
    SqliteConnection found;
    std::list<Kept> dropped;
    {
        std::lock_guard guard(m_mutex);
        const FileState now = FileState::of(hostPath);
        opened = now;
        for (auto kept = m_kept.begin(); kept != m_kept.end();) {
            const auto next = std::next(kept);
            if (kept->hostPath == hostPath) {
                if (!found.isOpen() && now.identity == identity && kept->file == now)
                    found = std::move(kept->connection);
                // What is left on this path is stale or one too many.
                dropped.splice(dropped.end(), m_kept, kept);
            }
            kept = next;
        }
        // Before a new connection is opened, not at each open: a connection on a file gone from
        // its path would only hold the file open.
        if (!found.isOpen())
            std::erase_if(m_kept,
                          [](const Kept& kept) { return FileState::of(kept.hostPath).identity != kept.file.identity; });
    }
    if (found.isOpen() && found.reuse(hostPath, readOnly, displayPath))
        return found;
    return SqliteConnection::open(hostPath, readOnly, displayPath);
}

void KeptConnections::keep(SqliteConnection connection, const QString& hostPath, const FileIdentity& identity,
                           const std::optional<FileState>& unchangedSince)
{
    if (!connection.isOpen() || !connection.becomeIdle())
        return;
    const FileState file =
        unchangedSince && unchangedSince->identity == identity ? *unchangedSince : FileState::of(hostPath);
    if (file.identity != identity)
        return;
    std::list<Kept> dropped;
    std::lock_guard guard(m_mutex);
    for (auto kept = m_kept.begin(); kept != m_kept.end();) {
        const auto next = std::next(kept);
        if (kept->hostPath == hostPath)
            dropped.splice(dropped.end(), m_kept, kept);
        kept = next;
    }
    m_kept.push_front(Kept{hostPath, file, std::move(connection)});
    while (m_kept.size() > bound)
        dropped.splice(dropped.end(), m_kept, std::prev(m_kept.end()));
}

void KeptConnections::clear()
{
    std::list<Kept> dropped;
    std::lock_guard guard(m_mutex);
    dropped.swap(m_kept);
}

} // namespace store
