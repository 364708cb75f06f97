#pragma once

#include "EditorControls.h"

#include <optional>
#include <string>
#include <string_view>

namespace qb {

class Prompter;

// The paging that every one-point-per-page editor shares: the page label, "To", the previous
// and next page, "Add", "Del", the completeness check before a page is left, storing the page
// on leave, OK; and the module side and result list beside the page. An editor supplies its
// own fields through the hooks below; where editors page differently, `PagingRules` says how.
class PagedEditor {
public:
    // What leaving the page would find.
    enum class PageState { Complete, Empty, Incomplete };

    static constexpr const char* kNotComplete = "The Page content not complete!";
    // What the result list says while it is empty for want of a page or of a line added.
    static constexpr std::u16string_view kNoPageShown = u"no page shown: press Add to begin one";
    static constexpr std::u16string_view kNothingAdded =
        u"nothing added yet: choose an entry in the Module List and press <<";
    // "<<" without a chosen module, ">>" without a chosen result line.
    static constexpr const char* kNoModule = "Please select in the list of module !";
    static constexpr const char* kNoResult = "Please select in the list of output results !";

    struct PagingRules {
        // "Add" with no room says this and does nothing else; without it "Add" goes on and
        // shows the current page again.
        const char* fullMessage = nullptr;
        // The page label reads "%d/%d" instead of "Cond. %ld/%ld".
        bool plainLabel = false;
        // The "To" box shows the page shown counted from 0, and takes numbers counted so.
        bool toCountsFromZero = false;
        // Moving to another page stores the page left; without it only "Add" and OK store.
        bool storeWhenMoving = true;
        // Deleting the only page begins a new one at once; without it no page is shown until
        // "Add" begins one.
        bool newPageWhenNoneLeft = true;
        // Moving to another page asks the page left to be complete first; without it the page
        // is left as it stands (for editors whose pages reach the table only by "Add" and OK).
        bool completeBeforeMoving = true;
        // Moving off a page that holds nothing drops that page instead of asking for it to be
        // complete.
        bool dropEmptyWhenMoving = false;
        // The most pages the editor holds: "Add" has room while there are fewer. An editor
        // whose room depends on more than its page count says so through canAppend().
        int maxPages = 0;
    };

    virtual ~PagedEditor() = default;

    // 1-based number of the page shown; 0 while none is.
    int page() const { return m_page; }
    virtual int pageCount() const = 0;
    std::u16string pageLabel() const; // "Cond. %ld/%ld"
    virtual PageState pageState() const = 0;
    // "The Page content not complete!" and, on a line of its own, what the page lacks.
    std::string notCompleteMessage() const;

    // Paging controls.
    std::u16string toText;
    bool prevEnabled = false;
    bool nextEnabled = false;
    bool addEnabled = false;
    bool delEnabled = false;

    // The module side and the result list.
    ListControl boards;               // "Loop-B" / "IO-Board"
    ListControl loops;                // "01", "02"
    ListControl modules;              // "Module List"
    ListControl results;              // "Result List" / "Outputs"
    bool addOutputEnabled = false;    // "<<"
    bool removeOutputEnabled = false; // ">>"

    void pressTo();
    void pressPrev();
    void pressNext();
    void pressAdd();
    void pressDel();
    virtual void chooseBoard(int index) = 0;
    // A loop the dialog shows beside the board; editors that keep it hidden just hold it.
    virtual void chooseLoop(int index) { loops.select(index); }
    virtual void pressAddOutput() = 0;    // "<<"
    virtual void pressRemoveOutput() = 0; // ">>"
    // True when the dialog ends with OK (the caller then writes the editor's files): an empty
    // first page is dropped, a complete page stored, an incomplete one refused. An editor that
    // holds its pages apart from its table puts them there once this allows it.
    virtual bool pressOk();

protected:
    PagedEditor(Prompter& prompter, PagingRules rules) : m_prompter(prompter), m_rules(rules) {}

    // Shows page 1, or begins the first page when there is none.
    void openPages();
    // Shows `page` (0 or a page that no longer exists: none) with the navigation it allows.
    void show(int page);

    // The editor's own fields.
    virtual void storePage() = 0;  // the shown page into the table; nothing when none is shown
    virtual void showPage() = 0;   // the controls from page `page()`
    virtual void showNoPage() = 0; // the controls while no page is shown
    // Room for one more page.
    virtual bool canAppend() const;
    // A new page after the last one; its number, or nothing when the table is full.
    virtual std::optional<int> appendPage() = 0;
    // Removes page `page`; the page to show afterwards, 0 for none.
    virtual int deletePage(int page) = 0;
    // Called once a page begun by "Add" is shown.
    virtual void pageAdded() {}
    // One line naming what pageState() found missing on an incomplete page, each missing part
    // as a sentence of its own, e.g. "No output module is chosen.".
    virtual std::string missingParts() const = 0;
    // Adds `sentence` to the line being built when `missing`.
    static void noteMissing(std::string& line, bool missing, std::string_view sentence);
    // Empties the module list, saying which of board and loop has to be chosen before it lists
    // anything.
    void clearModules();
    // Says what the result list lacks while it is empty.
    void explainResults();
    // A complete page about to be stored by "Add" or by moving on: false keeps it out of the
    // table (the editor has said why) and it stays shown.
    virtual bool admitPage() { return true; }

    Prompter& prompter() { return m_prompter; }

private:
    bool leaveAllowed();
    bool moveAllowed();
    bool droppedWhenMoving() const;
    void goTo(int page);

    Prompter& m_prompter;
    const PagingRules m_rules;
    int m_page = 0;
};

} // namespace qb
