#include "explorer/store/engine/KeptConnections.h"

#include <utility>

namespace store {

KeptConnections& KeptConnections::instance()
{
    // Never destroyed: databases closed while the process ends still find it.
    static KeptConnections* const kept = new KeptConnections;
    return *kept;
}

SqliteConnection KeptConnections::take(const QString& hostPath, const FileState& locked, bool readOnly,
                                       const QString& displayPath)
{
    SqliteConnection found;
    bool foundChecked = false;
    std::list<Kept> dropped;
    {
        std::lock_guard guard(m_mutex);
        for (auto kept = m_kept.begin(); kept != m_kept.end();) {
            const auto next = std::next(kept);
            if (kept->hostPath == hostPath) {
                if (!found.isOpen() && kept->file == locked) {
                    found = std::move(kept->connection);
                    foundChecked = kept->checked;
                }
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
    if (foundChecked) {
        found.reuseUnchanged(readOnly, displayPath);
        return found;
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
    const bool unchanged = unchangedSince && unchangedSince->identity == identity;
    const FileState file = unchanged ? *unchangedSince : FileState::of(hostPath);
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
    m_kept.push_front(Kept{hostPath, file, unchanged, std::move(connection)});
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
