#pragma once

#include "PagedEditorView.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/SpecificLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qb::ui {

// The one window of the general, zone and specific linkage editors. The editor decides
// everything; this view forwards each action to it and then mirrors its whole state back. The
// kind-specific controls are built only for the editor that has them.
class LinkageDialog : public QDialog {
    Q_OBJECT
public:
    // `editor` has been opened by the caller and outlives the dialog.
    LinkageDialog(LinkageEditor& editor, QWidget* parent = nullptr);

    // Copies the editor's state into the widgets, with their signals blocked.
    void refresh();

public slots:
    // "Exit"/"Cancel", Escape and the close box all end up here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildCondition();
    QGroupBox* buildInputTypes(InputTypeControls& inputs, ZoneLinkageEditor* zone);
    QGroupBox* buildSpecificRows(SpecificLinkageEditor& specific);
    QGroupBox* buildOutputs();
    QLayout* buildButtons();

    // Hands the edit boxes' texts to the editor, runs `action`, then mirrors the result.
    void act(const std::function<void()>& action);
    void takeTexts();
    void pressOk();
    void leaveAddress(int row);

    LinkageEditor& m_editor;
    InputTypeControls* m_inputs = nullptr;
    ZoneLinkageEditor* m_zoneEditor = nullptr;
    SpecificLinkageEditor* m_specific = nullptr;
    bool m_finished = false;
    bool m_leaving = false;

    std::unique_ptr<PagerBar> m_pager;
    QComboBox* m_delay = nullptr;
    QCheckBox* m_reg = nullptr;

    std::array<QCheckBox*, InputTypeControls::kBoxCodes.size()> m_boxes{};
    std::array<QComboBox*, InputTypeControls::kLists> m_inputTypes{};
    QComboBox* m_fireSignals = nullptr;
    QComboBox* m_zone = nullptr;

    std::array<QComboBox*, SpecificLinkageEditor::kRows> m_hosts{};
    std::array<QComboBox*, SpecificLinkageEditor::kRows> m_boards{};
    std::array<QLineEdit*, SpecificLinkageEditor::kRows> m_addresses{};

    ModulePicker m_picker{};
    QPushButton* m_exit = nullptr;
};

// Runs the dialog of an opened editor over `parent`; true when it ended with OK.
bool runLinkageDialog(QWidget* parent, LinkageEditor& editor);

} // namespace qb::ui
