#pragma once

#include "DialogWidgets.h"
#include "InputSide.h"
#include "ModulePicker.h"
#include "PagerBar.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLayout;
class QListWidget;
class QVBoxLayout;

namespace qb {
class PagedEditor;
struct ListControl;
} // namespace qb

namespace qb::ui {

// The frame of a paged editor's window: its pager bar, its module picker, the "OK" / "Exit"
// row, and the way each of the installer's actions is handed to the editor and the editor's
// whole state mirrored back. A dialog binds each of its own controls to what the editor holds
// for it; the editor decides everything. Once the dialog has ended, late signals are ignored.
class PagedEditorDialog : public QDialog {
public:
    // Copies the editor's state into the widgets, with their signals blocked.
    void refresh();

    // "Exit", Escape and the close box: the dialog ends without OK, once.
    void reject() override;

protected:
    struct Frame {
        QString name; // the object name the tests find the window by
        QString title;
        PagerBar::Labels pager;
        QString pageTitle = "Point";
    };

    PagedEditorDialog(PagedEditor& editor, QWidget* parent, const Frame& frame);

    // What the dialog's own edit boxes hold, for the editor before each action, and what leaving
    // without OK tells the editor.
    virtual void takeTexts() {}
    virtual void exited() {}

    PagerBar& pager() { return *m_pager; }
    // The page side: a group titled as the frame says, the pager's rows at its top.
    QGroupBox* page() const { return m_page; }
    QVBoxLayout* pageLayout() const { return m_pageLayout; }
    bool finished() const { return m_finished; }
    // Takes the typed texts, runs `action`, then mirrors the result.
    void act(const std::function<void()>& action);
    EditorAction forward() {
        return [this](const std::function<void()>& action) { act(action); };
    }

    // A control bound to the editor: mirrored from what the editor holds for it on every
    // refresh, and handing the installer's tick or choice to the editor as an action. A drop-down
    // list's `choose` runs again when the entry it shows is chosen again: the editor refills what
    // depends on it.
    QCheckBox* bindCheck(QCheckBox* box, std::function<bool()> checked,
                         std::function<void(bool)> tick);
    QComboBox* bindList(QComboBox* box, const ListControl& list, std::function<void(int)> choose);
    QListWidget* bindList(QListWidget* box, const ListControl& list,
                          std::function<void(int)> choose);
    // A choice that only selects the entry in the editor's list.
    QComboBox* bindList(QComboBox* box, ListControl& list);
    // Something more to mirror on every refresh, after what is bound so far.
    void alsoMirror(std::function<void()> mirror);

    // The page's "Reg" box in `group`, over the editor's flag or its own accessors.
    QCheckBox* buildReg(QWidget* group, bool& reg);
    QCheckBox* buildReg(QWidget* group, std::function<bool()> registered,
                        std::function<void(bool)> tick);
    // The page side of an editor whose page names an input device.
    void buildInputSide(const InputSide::Names& names, const InputSide::Editor& editor);
    // The module side.
    ModulePicker* buildPicker(const ModulePicker::Names& names);
    // The page side on the left (or `left` holding it), the module side on the right, "OK" and
    // the button that ends without it under both; the window at least `least` large.
    void layOut(QWidget* right, QSize least, const QString& exitText = "Exit");
    void layOut(QLayout* left, QWidget* right, QSize least, const QString& exitText = "Exit");

private:
    void pressOk();
    void takeAllTexts();
    void finishLayout(QHBoxLayout* sides, QWidget* right, QSize least, const QString& exitText);
    QComboBox* bindChoice(QComboBox* box, const ListControl& list, std::function<void(int)> choose,
                          Rechoice rechoice);

    PagedEditor& m_editor;
    bool m_finished = false;
    std::unique_ptr<PagerBar> m_pager;
    QGroupBox* m_page;
    QVBoxLayout* m_pageLayout;
    std::vector<std::function<void()>> m_mirrors;
};

// Runs the dialog of an opened editor over `parent`; true when it ended with OK.
template <class Dialog, class Editor> bool runPagedDialog(QWidget* parent, Editor& editor) {
    Dialog dialog(editor, parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
