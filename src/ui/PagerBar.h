#pragma once

#include "base/PagedEditor.h"

#include <QString>

#include <array>
#include <functional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace qb::ui {

// How a dialog hands one of the installer's actions to its editor: take the typed texts, run
// the action, mirror the editor back.
using EditorAction = std::function<void(const std::function<void()>&)>;

// The paging controls of a paged editor's dialog: the page label, "To" with its box and "Page",
// then the previous and next page, "Add" and "Del". It mirrors the editor's pager.
class PagerBar {
public:
    struct Labels {
        QString prev; // "Prev" or "LastPage"
        QString prevName;
        QString next;
        QString nextName;
        int pageDigits; // the most a page number can have
        // "To" with its box and "Page"; a dialog without them only shows the page label.
        bool withTo = true;
    };
    // "LastPage" and "NextPage", as the editors of the panel's devices call them.
    static Labels lastNext(int pageDigits, bool withTo = true) {
        return {"LastPage", "lastPage", "NextPage", "nextPage", pageDigits, withTo};
    }

    PagerBar(QWidget* parent, const Labels& labels);

    QHBoxLayout* pagingRow() const { return m_pagingRow; }
    QHBoxLayout* movingRow() const { return m_movingRow; }
    // Lays out `group` from the top: the paging row, then the moving row.
    QVBoxLayout* layOutIn(QWidget* group) const;

    void connectTo(PagedEditor& editor, QObject* context, const EditorAction& act);
    // The typed page number, for the editor to go to.
    void takeText(PagedEditor& editor) const;
    void mirror(const PagedEditor& editor);

private:
    // A button of the moving row, what pressing it asks of the editor, and the editor's flag
    // that enables it.
    struct Move {
        QPushButton* button;
        void (PagedEditor::*press)();
        bool PagedEditor::*enabled;
    };

    QLabel* m_label = nullptr;
    QPushButton* m_to = nullptr;
    QLineEdit* m_page = nullptr;
    std::array<Move, 4> m_moves{};
    QHBoxLayout* m_pagingRow = nullptr;
    QHBoxLayout* m_movingRow = nullptr;
};

} // namespace qb::ui
