#pragma once

#include <cstddef>
#include <list>
#include <mutex>

#include <QString>

#include "explorer/store/engine/SqlDialect.h"

namespace store {

// The dialect's translations of the statements run lately, remembered by shape: statements that
// differ only in the values of their texts (a card's key, a file's name) are read once, and each
// gets its own values back as its parameters. What the dialect refuses is refused as it would be,
// naming the caller's own text.
class TranslatedStatements {
public:
    static TranslatedStatements& instance();

    // As SqlDialect::translateStatement.
    TranslatedStatement statement(const QString& text);
    // As SqlDialect::translateSelect.
    TranslatedStatement select(const QString& text);

    // No more shapes than this are remembered.
    static constexpr std::size_t bound = 32;

private:
    using Translate = TranslatedStatement (*)(const QString&);
    struct Remembered {
        Translate translate;
        QString shape;
        TranslatedStatement translated;
    };

    TranslatedStatements() = default;
    TranslatedStatement translated(const QString& text, Translate translate);

    std::mutex m_mutex;
    std::list<Remembered> m_remembered; // the most recently used first
};

} // namespace store
