#include "characterhistory.h"

#include <algorithm>
#include <utility>

namespace tavrel {

CharacterHistory::CharacterHistory(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 2)) {}

void CharacterHistory::appendNew(HistoryEntry shown) {
    if (!m_entries.empty()) {
        m_entries[m_current] = std::move(shown);
    }
    // The new entry is filled in when the window leaves it; until then the generator holds it.
    m_entries.emplace_back();
    m_current = m_entries.size() - 1;
    if (m_entries.size() > m_capacity) {
        m_entries.pop_front();
        --m_current;
    }
}

const HistoryEntry* CharacterHistory::previous(HistoryEntry shown) {
    return hasPrevious() ? step(std::move(shown), m_current - 1) : nullptr;
}

const HistoryEntry* CharacterHistory::next(HistoryEntry shown) {
    return hasNext() ? step(std::move(shown), m_current + 1) : nullptr;
}

const HistoryEntry* CharacterHistory::step(HistoryEntry&& shown, std::size_t to) {
    m_entries[m_current] = std::move(shown);
    m_current = to;
    return &m_entries[m_current];
}

}  // namespace tavrel
