#pragma once

#include "pages/ModeSelection.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace qb::ui {

// The "Mode Selection" dialog over the core's ModeSelection.
class ModeSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModeSelectionDialog(QWidget* parent = nullptr);

    // Runs the dialog: OK gives the chosen code, the close box or Escape code 0.
    SystemCode choose();

    ModeSelection& logic() { return m_logic; }
    void refresh();

private:
    ModeSelection m_logic;
    QRadioButton* m_first;
    QRadioButton* m_second;
    QComboBox* m_panelTypes;
};

} // namespace qb::ui
