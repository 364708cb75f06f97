#include "EditMenu.h"

#include "Mirror.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace qb::ui {

EditMenu::EditMenu(QMenuBar* bar, std::function<void()> undo, std::function<void()> redo,
                   std::function<void()> copy, std::function<void()> paste)
    : QObject(bar) {
    m_menu = bar->addMenu("Edit");
    m_menu->setObjectName("editMenu");
    m_undo = m_menu->addAction("Undo");
    m_undo->setObjectName("undo");
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = m_menu->addAction("Redo");
    m_redo->setObjectName("redo");
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undo, &QAction::triggered, this, std::move(undo));
    connect(m_redo, &QAction::triggered, this, std::move(redo));
    m_menu->addSeparator();
    m_copy = m_menu->addAction("Copy");
    m_copy->setObjectName("copy");
    m_copy->setShortcut(QKeySequence::Copy);
    m_paste = m_menu->addAction("Paste");
    m_paste->setObjectName("paste");
    m_paste->setShortcut(QKeySequence::Paste);
    connect(m_copy, &QAction::triggered, this, std::move(copy));
    connect(m_paste, &QAction::triggered, this, std::move(paste));
    mirror(u"Undo", false, u"Redo", false);
}

void EditMenu::mirror(const std::u16string& undoText, bool canUndo, const std::u16string& redoText,
                      bool canRedo) {
    m_undo->setText(qs(undoText));
    m_undo->setEnabled(canUndo);
    m_redo->setText(qs(redoText));
    m_redo->setEnabled(canRedo);
}

} // namespace qb::ui
