#pragma once

#include "base/PagedEditor.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qb {

// A paged editor over a table of points held byte for byte, one record a point and the used
// records together from the first: page n is record n - 1, "Add" begins the first free record,
// and "Del" moves the records after the page up one. Each point has at most one output, the
// one line of `results`. A free record is all 0xFF.
class PackedPointEditor : public PagedEditor {
public:
    void pressAddOutput() final;    // "<<"
    void pressRemoveOutput() final; // ">>"

protected:
    // `records`: the table's records, `recordSize` bytes each, in the working copy the editor
    // changes in place; as many pages as records.
    PackedPointEditor(Prompter& prompter, PagingRules rules, std::span<std::uint8_t> records,
                      std::size_t recordSize);

    // The record of the page shown, while that is one of the table's points.
    std::optional<int> currentRecord() const;
    // "<<" and ">>" as the shown point and its output allow them, and what the result list says
    // while it is empty.
    void updateOutputButtons();

    // The editor's own fields of point `index`.
    virtual void storeRecord(int index) = 0;
    virtual void showRecord(int index) = 0;
    // Makes the free record `index` a begun point, which counts as used.
    virtual void beginRecord(int index) = 0;
    // Sets the point's output from the chosen module / takes it away.
    virtual void addOutput(int index) = 0;
    virtual void removeOutput(int index) = 0;

private:
    void storePage() final;
    void showPage() final;
    std::optional<int> appendPage() final;
    int deletePage(int page) final;

    std::span<std::uint8_t> record(int index);
    void clearRecord(int index);

    std::span<std::uint8_t> m_records;
    std::size_t m_recordSize;
};

} // namespace qb
