#pragma once

#include "base/EditorControls.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qb {

class ConfigStore;
class Prompter;

// The paging rule editor shared by the general, zone and specific linkage editors: one rule of
// the kind list per page, "Cond. p/n", "To", "Prev", "Next", "Add", "Del", delay and "Reg", the
// module side ("Loop-B", the hidden loop list, "Module List", "<<") and the "Result List" with
// ">>". It works on the working copies of the linkage tables; Exit restores their saved copies.
class LinkageEditor {
public:
    // What leaving the page would find.
    enum class PageState { Complete, Empty, Incomplete };

    static constexpr const char* kNotComplete = "The Page content not complete!";

    LinkageEditor(ConfigStore& store, Prompter& prompter, int kind);
    virtual ~LinkageEditor() = default;

    virtual std::u16string caption() const = 0;
    // "Exit", or "Cancel" for the zone editor.
    virtual std::u16string exitLabel() const { return u"Exit"; }

    // Fills the lists and shows the first rule, creating it when the kind has none.
    void open();

    int kind() const { return m_kind; }
    int page() const { return m_page; }
    int ruleCount() const;
    std::u16string pageLabel() const; // "Cond. %ld/%ld"
    PageState pageState() const;

    // Controls.
    std::u16string toText;
    ListControl delay; // "000s" .. "150s"
    bool reg = false;
    ListControl boards;  // "Loop-B"
    ListControl loops;   // hidden: "01", "02"
    ListControl modules; // "Module List"
    ListControl results; // "Result List"
    bool prevEnabled = false;
    bool nextEnabled = false;
    bool addEnabled = false;
    bool delEnabled = false;
    bool addOutputEnabled = false;    // "<<"
    bool removeOutputEnabled = false; // ">>"

    // Actions.
    void pressTo();
    void pressPrev();
    void pressNext();
    void pressAdd();
    void pressDel();
    void chooseBoard(int index);
    void chooseLoop(int index);
    void pressAddOutput();
    void pressRemoveOutput();
    // True when the dialog ends with OK (the caller then writes the linkage files).
    bool pressOk();
    // "Exit" / "Cancel" / the close box: everything since the last write, load or export is
    // undone.
    void pressExit();

protected:
    // What the kind adds to the page.
    virtual void fillKindLists() {}
    // The kind's condition is fully given / not given at all (delay, "Reg" and outputs aside).
    virtual bool conditionComplete() const = 0;
    virtual bool conditionEmpty() const = 0;
    virtual void storeKindParts(std::span<std::uint8_t> record) = 0;
    virtual void showKindParts(std::span<const std::uint8_t> record) = 0;
    virtual void clearKindParts() = 0;

    ConfigStore& store() { return m_store; }
    const ConfigStore& store() const { return m_store; }
    Prompter& prompter() { return m_prompter; }

private:
    bool leaveAllowed();
    void storePage();
    void showPage();
    void showEmpty();
    void goToPage(int page);
    void fillModules();
    bool freeOutputExists() const;
    bool freeConditionExists() const;
    std::optional<int> currentRecord() const;

    ConfigStore& m_store;
    Prompter& m_prompter;
    const int m_kind;
    int m_page = 0;
    std::optional<int> m_record;
};

} // namespace qb
