#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace qb {
class FindDeviceDialog;
}

namespace qb::ui {

// "Find Device" beside the main window: the edit box searches as the installer types, the list
// shows the hits. Enter (in the box or on a row), a double click or "Show" brings the chosen
// hit's row into the main window and hands the focus there; Ctrl+F brings this window back.
class FindDeviceView : public QDialog {
public:
    FindDeviceView(FindDeviceDialog& logic, std::function<bool()> showChosen, QWidget* parent);

    // Mirrors the logic: the text, the hits, the one chosen, the note.
    void refresh();

    QLineEdit* textBox() const { return m_text; }
    QTreeWidget* list() const { return m_list; }

private:
    void showChosen();
    void mirrorNote();

    FindDeviceDialog& m_logic;
    std::function<bool()> m_showChosen;
    QLineEdit* m_text = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_note = nullptr;
};

} // namespace qb::ui
