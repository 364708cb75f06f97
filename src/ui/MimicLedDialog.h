#pragma once

#include <QDialog>

#include <functional>

class QComboBox;

namespace qb {
class MimicLedEditor;
}

namespace qb::ui {

class CellGridView;

// The view of "MDM Setup": builds its widgets once, forwards every action to the editor and
// mirrors the editor's whole state back after each.
class MimicLedDialog : public QDialog {
public:
    MimicLedDialog(MimicLedEditor& editor, QWidget* parent);
    ~MimicLedDialog() override;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(const std::function<void()>& action);
    void refresh();
    void columnBatch(int column);

    MimicLedEditor& m_editor;
    QComboBox* m_mimic;
    QComboBox* m_board;
    CellGridView* m_grid;
    bool m_closing = false;
};

} // namespace qb::ui
