#pragma once

#include "PagedEditorView.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLayout;

namespace qb {
class PagedEditor;
}

namespace qb::ui {

// The frame of a paged editor's window: its pager bar, the "OK" / "Exit" row, and the way each
// of the installer's actions is handed to the editor and the editor's whole state mirrored back.
// The editor decides everything. Once the dialog has ended, late signals are ignored.
class PagedEditorDialog : public QDialog {
public:
    // Copies the editor's state into the widgets, with their signals blocked.
    virtual void refresh() = 0;

    // "Exit", Escape and the close box: the dialog ends without OK; whoever ran it restores the
    // table.
    void reject() override;

protected:
    PagedEditorDialog(PagedEditor& editor, QWidget* parent, const PagerBar::Labels& labels);

    PagerBar& pager() { return *m_pager; }
    // Hands the typed page number to the editor, runs `action`, then mirrors the result.
    void act(const std::function<void()>& action);
    EditorAction forward() {
        return [this](const std::function<void()>& action) { act(action); };
    }
    // "OK" and the button that ends without it, "Exit" unless the dialog names it otherwise.
    QLayout* buildButtons(const QString& exitText = "Exit");

private:
    void pressOk();

    PagedEditor& m_editor;
    bool m_finished = false;
    std::unique_ptr<PagerBar> m_pager;
};

} // namespace qb::ui
