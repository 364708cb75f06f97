#pragma once

#include "DialogWidgets.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;

namespace qb {
class BatchPlacementEditor;
}

namespace qb::ui {

// The view of "Module/Detector Place Setting": the Host, IO-Board, Loop and Zone lists, the
// address boxes, "Set" and "Eixt". Set hands the boxes' texts to the editor, which places and
// writes; the dialog stays open until "Eixt" or the close box.
class BatchPlacementDialog : public QDialog {
public:
    BatchPlacementDialog(BatchPlacementEditor& editor, QWidget* parent);

private:
    // A drop-down list whose choice goes to the editor, then mirrored back with the rest.
    QComboBox* list(const char* name, std::function<void(int)> choose,
                    Rechoice rechoice = Rechoice::Ignored);
    void refresh();

    BatchPlacementEditor& m_editor;
    QComboBox* m_hosts;
    QComboBox* m_boards;
    QComboBox* m_loops;
    QComboBox* m_zones;
    QLineEdit* m_start;
    QLineEdit* m_end;
};

} // namespace qb::ui
