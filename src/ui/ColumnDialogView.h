#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QFormLayout;
class QLineEdit;

namespace qb {
class AddressRange;
}

namespace qb::ui {

// The frame both column dialogs share: the start and end address boxes, "OK" and "Cancel".
// Leaving an address box and OK go to the logic, which owns the texts.
class ColumnDialogView : public QDialog {
public:
    struct Logic {
        AddressRange& range;
        std::function<void()> leaveStart;
        std::function<void()> leaveEnd;
        // True when the dialog may close.
        std::function<bool()> ok;
    };

protected:
    ColumnDialogView(QWidget* parent, const std::u16string& caption, Logic logic);

    QFormLayout* form() const { return m_form; }
    // "Start address:" and "End address:" at the end of the form.
    void addAddressRows();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeTexts();
    void showTexts();
    void leave(const std::function<void()>& leaveBox);

    Logic m_logic;
    QFormLayout* m_form;
    QLineEdit* m_start;
    QLineEdit* m_end;
    bool m_leaving = false;
};

} // namespace qb::ui
