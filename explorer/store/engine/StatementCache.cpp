#include "explorer/store/engine/StatementCache.h"

#include <sqlite3.h>

namespace store {

StatementCache::~StatementCache()
{
    clear();
}

KeptStatement StatementCache::lend(const QString& sql, int authorizer)
{
    for (auto kept = m_kept.begin(); kept != m_kept.end(); ++kept) {
        if (kept->authorizer != authorizer || kept->sql != sql)
            continue;
        KeptStatement statement = std::move(kept->kept);
        m_kept.erase(kept);
        // One that the connection's own change of schema expired: its columns may be the old ones.
        if (sqlite3_expired(statement.statement)) {
            sqlite3_finalize(statement.statement);
            return {};
        }
        ++m_lent;
        return statement;
    }
    return {};
}

void StatementCache::giveBack(KeptStatement statement, const QString& sql, int authorizer, unsigned generation)
{
    --m_lent;
    if (m_closed || generation != m_generation) {
        sqlite3_finalize(statement.statement);
        return;
    }
    // Reset, it ends the read it may be in; what its last step failed with is no matter here.
    sqlite3_reset(statement.statement);
    sqlite3_clear_bindings(statement.statement);
    m_kept.push_front(Kept{sql, authorizer, std::move(statement)});
    if (m_kept.size() > bound) {
        sqlite3_finalize(m_kept.back().kept.statement);
        m_kept.pop_back();
    }
}

void StatementCache::clear()
{
    for (const Kept& kept : m_kept)
        sqlite3_finalize(kept.kept.statement);
    m_kept.clear();
    ++m_generation;
}

void StatementCache::close()
{
    clear();
    m_closed = true;
}

} // namespace store
