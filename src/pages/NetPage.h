#pragma once

#include "SetupPage.h"
#include "store/ConfigStore.h"

namespace qb {

// Page 4: the hosts of the controller network, which of them is being configured ("Host:"),
// and the "Share" option.
class NetPage : public SetupPage {
public:
    using SetupPage::SetupPage;

    static constexpr int kColumnRegister = 1;
    static constexpr int kColumnCrt = 2;

    PageId id() const override { return PageId::Net; }
    std::u16string title() const override { return u"Fire Alarm System --> NET Setup"; }
    std::u16string_view name() const override { return u"NET"; }
    bool unsaved() const override {
        const ConfigStore& s = store();
        return s.network.modified() ||
               s.systemSettings.working.canRate() != s.systemSettings.saved.canRate();
    }
    void draw(WindowState& window) override;
    void doubleClickCell(WindowState& window, int row, int column) override;
    void doubleClickCaption(WindowState& window, int column) override;
    void chooseSelector(WindowState& window, int index) override;
    void save() override;
    void cancel() override;

    // The host on view, "Share", and the two columns; Cancel restores the CAN rate as well, but
    // no action here changes it.
    ByteParts editedBytes(int) override {
        return {std::span(store().network.working.data)
                    .first(NetworkTable::kHostTypeBase + NetworkTable::kHosts + 1)};
    }

    void clickShare(WindowState& window);
};

} // namespace qb
