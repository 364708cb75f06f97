#pragma once

#include <QDialog>

namespace qb {
class BroadcastControllerEditor;
}

namespace qb::ui {

class CellGridView;

// The view of "BroadCast Controller Setting": the grid of the 30 controllers with its cell
// list, OK and Cancel. Every action goes to the editor, whose grid is then mirrored back.
class BroadcastControllerDialog : public QDialog {
public:
    BroadcastControllerDialog(BroadcastControllerEditor& editor, QWidget* parent);
    ~BroadcastControllerDialog() override;

    void reject() override;

private:
    void refresh();

    BroadcastControllerEditor& m_editor;
    CellGridView* m_grid;
};

} // namespace qb::ui
