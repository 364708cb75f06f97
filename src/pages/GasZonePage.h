#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 10: which gas extinguishing zones are registered. Zone 64 has a record in the table but
// no row here.
class GasZonePage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kRows = 63;
    static constexpr int kColumnRegister = 1;
    static constexpr const char* kErrorMessage =
        "Error in  QMP Registration Information!\nPlease set it correctly!";

    PageId id() const override { return PageId::GasZones; }
    std::u16string title() const override { return u"Fire Alarm System set - Fire registry set"; }
    std::u16string_view name() const override { return u"Gas zone registration"; }
    bool unsaved() const override { return store().gasZones.modified(); }
    void draw(WindowState& window) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void save() override;
    void cancel() override;
    // The registration byte of each zone: the parameter dialog changes the rest of the records.
    ByteParts editedBytes(int) override {
        ByteParts parts;
        for (int z = 1; z <= kRows; ++z) {
            parts.push_back(store().gasZones.working.zone(z).subspan(GasZoneTable::kRegistered, 1));
        }
        return parts;
    }

    // Writes the whole gas zone table for the current host, its header rebuilt from the
    // template, and takes the saved copy; true when written. The page's Save and the parameter
    // dialog's OK both write it this way.
    static bool writeTable(ConfigStore& store, Prompter& prompter);
};

} // namespace qb
