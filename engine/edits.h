#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "character.h"

namespace tavrel {

// The part of a character the user edits by hand.
enum class EditedField : std::uint8_t { Name, Specialization, Weapons, NonWeapons };

// One edit, kept as a splice so that undoing it is the same operation as doing it: at `row`,
// the entries `before` became `after`. The name and the specialization are one-entry lists at
// row 0. Only what changed is kept (the removed row, the added entries), never the whole
// character, so that a long undo list stays small; a cleared list keeps what it held.
struct Edit {
    EditedField field = EditedField::Name;
    std::size_t row = 0;
    std::vector<std::string> before;
    std::vector<std::string> after;

    bool operator==(const Edit&) const = default;
};

// The splice that turns the list `before` into `after`: what lies between their common start
// and their common end.
Edit listEdit(EditedField field, const std::vector<std::string>& before,
              const std::vector<std::string>& after);

// The edits of one shown character, oldest first, with the point up to which they are done:
// undo walks back from there and redo forward. A new edit drops what could be redone. Only
// the newest kCapacity edits are kept, so that a history of a thousand characters, each with
// its own list, stays bounded. Empty, it holds no heap, so an unedited character costs the
// history nothing more.
class EditList {
public:
    static constexpr std::size_t kCapacity = 100;

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_edits.size(); }
    std::size_t size() const { return m_edits.size(); }

    // Keeps an edit just made to the record. A typed name continues the name edit just made
    // rather than adding one a keystroke, and an edit that changed nothing is not kept.
    void record(Edit edit);
    // Takes back the last edit done, or does again the last undone; false when there is none.
    bool undo(Character& c);
    bool redo(Character& c);
    // Ends the current run of typing: the next typed name is an edit of its own.
    void endTyping() { m_typing = false; }

    bool operator==(const EditList&) const = default;

private:
    std::vector<Edit> m_edits;
    std::size_t m_done = 0;
    bool m_typing = false;
};

}  // namespace tavrel
