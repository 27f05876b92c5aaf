#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>

#include <QString>

namespace store {

// The texts made last from a few keys, for work done over and over (a statement for each card of
// a copy or an import) to make each text once. One per thread, as a thread_local.
template <typename Key, std::size_t Size = 8> class RecentTexts {
public:
    // The text made from key, made by make() when it is not among the last few.
    template <typename Make> QString of(const Key& key, Make make)
    {
        for (const std::optional<Made>& made : m_made) {
            if (made && made->key == key)
                return made->text;
        }
        // A QStringBuilder returned by make() would refer to temporaries already gone.
        static_assert(std::is_same_v<std::invoke_result_t<Make>, QString>);
        QString text = make();
        m_made[m_next] = Made{key, text};
        m_next = (m_next + 1) % Size;
        return text;
    }

private:
    struct Made {
        Key key;
        QString text;
    };
    std::array<std::optional<Made>, Size> m_made;
    std::size_t m_next = 0;
};

} // namespace store
