#pragma once

#include "base/PagedEditor.h"
#include "store/LinkageKind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qb {

class ConfigStore;
class Prompter;

// The paging rule editor shared by the general, zone and specific linkage editors: one rule of
// the kind list per page, with delay and "Reg", the module side ("Loop-B", the hidden loop list,
// "Module List", "<<") and the "Result List" with ">>". It works on the working copies of the
// linkage tables; Exit restores their saved copies.
class LinkageEditor : public PagedEditor {
public:
    LinkageEditor(ConfigStore& store, Prompter& prompter, LinkageKind kind);

    virtual std::u16string caption() const = 0;
    // "Exit", or "Cancel" for the zone editor.
    virtual std::u16string exitLabel() const { return u"Exit"; }

    // Fills the lists and shows the first rule, creating it when the kind has none.
    void open();

    LinkageKind kind() const { return m_kind; }
    int pageCount() const override;
    PageState pageState() const override;

    // Controls.
    ListControl delay; // "000s" .. "150s"
    bool reg = false;

    // Actions.
    void chooseBoard(int index) override;
    void chooseLoop(int index) override;
    void pressAddOutput() override;
    void pressRemoveOutput() override;
    // "Exit" / "Cancel" / the close box: everything since the last write, load or export is
    // undone.
    void pressExit();

protected:
    // What the kind adds to the page.
    virtual void fillKindLists() {}
    // The kind's condition is fully given / not given at all (delay, "Reg" and outputs aside).
    // Unless the kind says otherwise, a condition not fully given counts as not given.
    virtual bool conditionComplete() const = 0;
    virtual bool conditionEmpty() const { return !conditionComplete(); }
    // What keeps the condition from being complete, as sentences for the incomplete page's
    // message; nothing when it is complete.
    virtual std::string conditionMissing() const = 0;
    virtual void storeKindParts(std::span<std::uint8_t> record) = 0;
    virtual void showKindParts(std::span<const std::uint8_t> record) = 0;
    virtual void clearKindParts() = 0;

    ConfigStore& store() { return m_store; }
    const ConfigStore& store() const { return m_store; }
    using PagedEditor::prompter;

private:
    std::string missingParts() const override;
    void storePage() override;
    void showPage() override;
    void showNoPage() override;
    bool canAppend() const override;
    std::optional<int> appendPage() override;
    int deletePage(int page) override;

    void fillModules();
    bool freeOutputExists() const;
    bool freeConditionExists() const;
    std::optional<int> currentRecord() const;

    ConfigStore& m_store;
    const LinkageKind m_kind;
    std::optional<int> m_record;
};

} // namespace qb
