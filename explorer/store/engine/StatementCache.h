#pragma once

#include <cstddef>
#include <list>
#include <memory>

#include <QString>

struct sqlite3_stmt;

namespace store {

struct StatementColumns;

// A statement of the cache's, and the columns its last user worked out from it, if any.
struct KeptStatement {
    sqlite3_stmt* statement = nullptr;
    std::shared_ptr<const StatementColumns> columns;
};

// The statements a connection prepared, kept reset once their user is done with them, for the
// next statement of the same text prepared under the same authorizer. A kept statement holds no
// lock and no bound value; SQLite prepares it again when the schema it was prepared on changed.
// Statements lent out when the cache is cleared or closed are finalized when they come back.
class StatementCache {
public:
    StatementCache() = default;
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;
    ~StatementCache();

    // A kept statement of that text and authorizer, now lent out; a null one when there is none.
    KeptStatement lend(const QString& sql, int authorizer);
    // A statement prepared for lending, lent out from now.
    void lent() { ++m_lent; }
    // Takes back a lent statement: kept when it may serve again, else finalized. generation is
    // the cache's at the time it was lent.
    void giveBack(KeptStatement statement, const QString& sql, int authorizer, unsigned generation);
    // Finalizes the kept statements; those lent out now will not be kept either.
    void clear();
    // As clear, and nothing is kept any more.
    void close();

    unsigned generation() const { return m_generation; }
    int lentOut() const { return m_lent; }
    std::size_t size() const { return m_kept.size(); }

    // No more statements than this are kept.
    static constexpr std::size_t bound = 32;

private:
    struct Kept {
        QString sql;
        int authorizer;
        KeptStatement kept;
    };

    std::list<Kept> m_kept; // the most recently used first
    unsigned m_generation = 0;
    int m_lent = 0;
    bool m_closed = false;
};

} // namespace store
