#include "edits.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tavrel {

namespace {

std::vector<std::string>* listOf(Character& c, EditedField field) {
    switch (field) {
        case EditedField::Weapons:
            return &c.weapons;
        case EditedField::NonWeapons:
            return &c.nonWeapons;
        default:
            return nullptr;
    }
}

std::string& textOf(Character& c, EditedField field) {
    return field == EditedField::Name ? c.name : c.specialLine;
}

// Replaces `from` by `to` at the edit's row. The fill only ever appends to a list, so a row an
// edit recorded still holds what the edit left there; anything else leaves the record alone.
bool splice(Character& c, const Edit& e, const std::vector<std::string>& from,
            const std::vector<std::string>& to) {
    std::vector<std::string>* list = listOf(c, e.field);
    if (list == nullptr) {
        if (to.size() != 1) {
            return false;
        }
        textOf(c, e.field) = to.front();
        return true;
    }
    if (e.row > list->size() || list->size() - e.row < from.size() ||
        !std::equal(from.begin(), from.end(), list->begin() + static_cast<std::ptrdiff_t>(e.row))) {
        return false;
    }
    const auto at = list->begin() + static_cast<std::ptrdiff_t>(e.row);
    const auto rest = list->erase(at, at + static_cast<std::ptrdiff_t>(from.size()));
    list->insert(rest, to.begin(), to.end());
    return true;
}

}  // namespace

Edit listEdit(EditedField field, const std::vector<std::string>& before,
              const std::vector<std::string>& after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) {
        ++start;
    }
    std::size_t end = 0;
    while (end < shorter - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end]) {
        ++end;
    }
    const auto part = [&](const std::vector<std::string>& list) {
        return std::vector<std::string>(list.begin() + static_cast<std::ptrdiff_t>(start),
                                        list.end() - static_cast<std::ptrdiff_t>(end));
    };
    return {field, start, part(before), part(after)};
}

void EditList::record(Edit edit) {
    if (edit.before == edit.after) {
        return;
    }
    const bool typing = edit.field == EditedField::Name && m_typing && !canRedo() && canUndo() &&
                        m_edits.back().field == EditedField::Name;
    m_typing = edit.field == EditedField::Name;
    if (typing) {
        Edit& last = m_edits.back();
        last.after = std::move(edit.after);
        // Typed back to where it started: nothing is left to undo.
        if (last.after == last.before) {
            m_edits.pop_back();
            m_done = m_edits.size();
            m_typing = false;
        }
        return;
    }
    m_edits.resize(m_done);
    m_edits.push_back(std::move(edit));
    if (m_edits.size() > kCapacity) {
        m_edits.erase(m_edits.begin());
    }
    m_done = m_edits.size();
}

bool EditList::undo(Character& c) {
    m_typing = false;
    if (!canUndo() ||
        !splice(c, m_edits[m_done - 1], m_edits[m_done - 1].after, m_edits[m_done - 1].before)) {
        return false;
    }
    --m_done;
    return true;
}

bool EditList::redo(Character& c) {
    m_typing = false;
    if (!canRedo() || !splice(c, m_edits[m_done], m_edits[m_done].before, m_edits[m_done].after)) {
        return false;
    }
    ++m_done;
    return true;
}

}  // namespace tavrel
