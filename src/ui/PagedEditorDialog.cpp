#include "PagedEditorDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "base/PagedEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

PagedEditorDialog::PagedEditorDialog(PagedEditor& editor, QWidget* parent, const Frame& frame)
    : QDialog(parent), m_editor(editor), m_pager(std::make_unique<PagerBar>(this, frame.pager)) {
    setObjectName(frame.name);
    setWindowTitle(frame.title);
    m_page = new QGroupBox(frame.pageTitle, this);
    m_pageLayout = m_pager->layOutIn(m_page);
    m_pager->connectTo(m_editor, this, forward());
    frameDialog(this);
}

void PagedEditorDialog::refresh() {
    m_pager->mirror(m_editor);
    for (const auto& mirror : m_mirrors) {
        mirror();
    }
}

void PagedEditorDialog::reject() {
    // A close can still arrive once the dialog has ended; the editor hears of it only once.
    if (m_finished) {
        return;
    }
    m_finished = true;
    exited();
    QDialog::reject();
}

void PagedEditorDialog::act(const std::function<void()>& action) {
    if (m_finished) {
        return;
    }
    takeAllTexts();
    action();
    refresh();
}

QCheckBox* PagedEditorDialog::bindCheck(QCheckBox* box, std::function<bool()> checked,
                                        std::function<void(bool)> tick) {
    // Toggled, not clicked: the accessibility interface toggles without a click.
    connect(box, &QCheckBox::toggled, this,
            [this, tick = std::move(tick)](bool on) { act([&] { tick(on); }); });
    alsoMirror([box, checked = std::move(checked)] { mirrorCheck(box, checked()); });
    return box;
}

QComboBox* PagedEditorDialog::bindChoice(QComboBox* box, const ListControl& list,
                                         std::function<void(int)> choose, Rechoice rechoice) {
    onChoice(
        box, this, [this, choose = std::move(choose)](int index) { act([&] { choose(index); }); },
        rechoice);
    alsoMirror([box, &list] { mirrorList(box, list); });
    return box;
}

QComboBox* PagedEditorDialog::bindList(QComboBox* box, const ListControl& list,
                                       std::function<void(int)> choose) {
    return bindChoice(box, list, std::move(choose), Rechoice::Acts);
}

QListWidget* PagedEditorDialog::bindList(QListWidget* box, const ListControl& list,
                                         std::function<void(int)> choose) {
    connect(box, &QListWidget::currentRowChanged, this,
            [this, choose = std::move(choose)](int index) { act([&] { choose(index); }); });
    alsoMirror([box, &list] { mirrorList(box, list); });
    return box;
}

QComboBox* PagedEditorDialog::bindList(QComboBox* box, ListControl& list) {
    return bindChoice(
        box, list, [&list](int index) { list.select(index); }, Rechoice::Ignored);
}

void PagedEditorDialog::alsoMirror(std::function<void()> mirror) {
    m_mirrors.push_back(std::move(mirror));
}

QCheckBox* PagedEditorDialog::buildReg(QWidget* group, bool& reg) {
    return buildReg(
        group, [&reg] { return reg; }, [&reg](bool on) { reg = on; });
}

QCheckBox* PagedEditorDialog::buildReg(QWidget* group, std::function<bool()> registered,
                                       std::function<void(bool)> tick) {
    return bindCheck(checkBox(group, "Reg", "reg"), std::move(registered), std::move(tick));
}

void PagedEditorDialog::buildInputSide(const InputSide::Names& names,
                                       const InputSide::Editor& editor) {
    QCheckBox* reg = buildReg(m_page, editor.reg);
    const InputSide side(m_page, m_pageLayout, reg, names);
    bindList(side.boards, editor.boards, editor.chooseBoard);
    bindList(side.loops, editor.loops, editor.chooseLoop);
    bindList(side.inputs, editor.inputs, editor.chooseInput);
}

ModulePicker* PagedEditorDialog::buildPicker(const ModulePicker::Names& names) {
    auto* picker = new ModulePicker(this, names);
    picker->connectTo(m_editor, this, forward());
    alsoMirror([this, picker] { picker->mirror(m_editor); });
    return picker;
}

void PagedEditorDialog::layOut(QWidget* right, QSize least, const QString& exitText) {
    auto* sides = new QHBoxLayout;
    sides->addWidget(m_page);
    finishLayout(sides, right, least, exitText);
}

void PagedEditorDialog::layOut(QLayout* left, QWidget* right, QSize least,
                               const QString& exitText) {
    auto* sides = new QHBoxLayout;
    sides->addLayout(left);
    finishLayout(sides, right, least, exitText);
}

void PagedEditorDialog::finishLayout(QHBoxLayout* sides, QWidget* right, QSize least,
                                     const QString& exitText) {
    sides->addWidget(right, 1);
    auto* ok = button(this, "OK", "ok");
    auto* exit = button(this, exitText, "exit");
    connect(ok, &QPushButton::clicked, this, [this] { pressOk(); });
    connect(exit, &QPushButton::clicked, this, &PagedEditorDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addLayout(buttonRow({ok, exit}));
    resize(sizeHint().expandedTo(least));
}

void PagedEditorDialog::takeAllTexts() {
    m_pager->takeText(m_editor);
    takeTexts();
}

void PagedEditorDialog::pressOk() {
    if (m_finished) {
        return;
    }
    takeAllTexts();
    if (m_editor.pressOk()) {
        m_finished = true;
        accept();
    } else {
        refresh();
    }
}

} // namespace qb::ui
