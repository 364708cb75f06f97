#pragma once

#include "PagedEditorDialog.h"
#include "linkage/SpecificLinkageEditor.h"

#include <array>

class QGroupBox;
class QLineEdit;

namespace qb {
class InputTypeControls;
class LinkageEditor;
class ZoneLinkageEditor;
} // namespace qb

namespace qb::ui {

// The one window of the general, zone and specific linkage editors. The editor decides
// everything; this view forwards each action to it and then mirrors its whole state back. The
// kind-specific controls are built only for the editor that has them.
class LinkageDialog : public PagedEditorDialog {
public:
    // `editor` has been opened by the caller and outlives the dialog.
    LinkageDialog(LinkageEditor& editor, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeTexts() override;
    // "Exit"/"Cancel", Escape and the close box restore the tables.
    void exited() override;

    // The page side: the condition's delay and "Reg" under the pager.
    void fillCondition();
    QGroupBox* buildInputTypes(InputTypeControls& inputs, ZoneLinkageEditor* zone);
    QGroupBox* buildSpecificRows(SpecificLinkageEditor& specific);
    void leaveAddress(int row);

    LinkageEditor& m_editor;
    SpecificLinkageEditor* m_specific = nullptr;
    std::array<QLineEdit*, SpecificLinkageEditor::kRows> m_addresses{};
    bool m_leaving = false;
};

// Runs the dialog of an opened editor over `parent`; true when it ended with OK.
bool runLinkageDialog(QWidget* parent, LinkageEditor& editor);

} // namespace qb::ui
