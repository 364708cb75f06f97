#pragma once

#include "pages/DialogRunner.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace qb::ui {

// The configuration check's findings, one row each, sortable by any column (severity sorts
// errors first). A double click, Enter or "Show" on a row shows its place in the main window;
// "Check Again" runs the check anew, for the controller when the box says so. It stays open
// beside the main window.
class FindingsDialog : public QDialog {
public:
    FindingsDialog(FindingsCheck check, std::function<void(const Finding&)> show, QWidget* parent);

    // Runs the check and lists what it finds.
    void checkAgain();

    QTreeWidget* list() const { return m_list; }

private:
    void showCurrent();

    FindingsCheck m_check;
    std::function<void(const Finding&)> m_show;
    std::vector<Finding> m_findings;
    QTreeWidget* m_list = nullptr;
    QLabel* m_summary = nullptr;
    QCheckBox* m_forController = nullptr;
    QPushButton* m_showButton = nullptr;
};

} // namespace qb::ui
