#pragma once

#include "ByteChanges.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The undo and redo history of one setup page. Each step keeps only the bytes an action changed
// in the page's working copy, before and after, so a thousand steps over the Detector/Module
// page hold a few megabytes at most.
//
// What ends a history:
// - Cancel and Load Data clear it: they replace the working copy wholesale, and an undo after
//   them would mix two states that never existed together.
// - Anything else that changes the bytes a step covers (an import from the workbook, a batch
//   placement, a dialog writing the table) is noticed through the fingerprints each step keeps
//   of its table before and after it: the history then has nothing to undo or redo, since
//   writing old bytes over such changes would restore no state the installer ever saw.
// - Save keeps it: undoing after a Save makes the page unsaved again.
// - Choosing another board or loop keeps it: the steps know their board, and undoing a step of
//   another board brings that board into view.
class PageHistory {
public:
    // The edited bytes of table `table` of the page: a device board, 0 where a page has one.
    using EditedBytes = std::function<ByteParts(int table)>;

    // What an action may change, copied before it runs.
    struct Before {
        int table = 0;
        std::size_t fingerprint = 0;
        std::vector<std::uint8_t> bytes;
    };

    explicit PageHistory(EditedBytes editedBytes) : m_editedBytes(std::move(editedBytes)) {}

    Before before(int table) const;
    // After the action: keeps what it changed as the step `name`, dropping the steps that could
    // have been redone. An action that changed nothing adds nothing.
    void record(std::u16string name, const Before& before);

    bool canUndo() const;
    bool canRedo() const;
    // The name of the step Undo or Redo would take; empty when there is none.
    std::u16string_view undoName() const;
    std::u16string_view redoName() const;
    // Restores the step's table as it was before (undo) or after it (redo) and returns the
    // table; nothing when there was nothing to do. A history overtaken by other changes is
    // cleared.
    std::optional<int> undo();
    std::optional<int> redo();
    void clear() noexcept;

    // The bytes the steps hold, beyond the step objects themselves.
    std::size_t bytesHeld() const;

private:
    struct Step {
        std::u16string name;
        int table = 0;
        ByteChanges changes;
        std::size_t before = 0; // fingerprints of the table's edited bytes
        std::size_t after = 0;
    };

    bool holds(const Step& step, std::size_t fingerprintNow) const;
    std::optional<int> take(bool undo);

    EditedBytes m_editedBytes;
    std::vector<Step> m_steps;
    std::size_t m_done = 0; // steps [0, m_done) can be undone, the rest redone
};

} // namespace qb
