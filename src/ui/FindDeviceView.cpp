#include "FindDeviceView.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "pages/FindDeviceDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qb::ui {

FindDeviceView::FindDeviceView(FindDeviceDialog& logic, std::function<bool()> show, QWidget* parent)
    : QDialog(parent), m_logic(logic), m_showChosen(std::move(show)) {
    setWindowTitle(QStringLiteral("Find Device"));
    setObjectName(QStringLiteral("findDeviceDialog"));
    auto* layout = new QVBoxLayout(this);

    m_text = editBox(this, QStringLiteral("findText"));
    m_text->setAccessibleName(QStringLiteral("Find"));
    m_text->setPlaceholderText(QStringLiteral("Position, zone or display name"));
    auto* find = new QLabel(QStringLiteral("&Find:"), this);
    find->setBuddy(m_text);
    auto* top = new QHBoxLayout;
    top->addWidget(find);
    top->addWidget(m_text, 1);
    layout->addLayout(top);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("hits"));
    m_list->setAccessibleName(QStringLiteral("Hits"));
    QStringList captions;
    for (std::u16string_view caption : FindDeviceDialog::captions()) {
        captions << qs(caption);
    }
    m_list->setColumnCount(static_cast<int>(captions.size()));
    m_list->setHeaderLabels(captions);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("findNote"));
    m_note->setWordWrap(true);
    QPushButton* showButton = button(this, QStringLiteral("Show"), QStringLiteral("show"));
    QPushButton* close = button(this, QStringLiteral("Close"), QStringLiteral("close"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_note, 1);
    row->addWidget(showButton);
    row->addWidget(close);
    layout->addLayout(row);

    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_logic.type(u16(text));
        refresh();
    });
    // From the box, Enter shows the first hit (or the one chosen in the list since).
    connect(m_text, &QLineEdit::returnPressed, this, [this] { showChosen(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_logic.choose(item ? m_list->indexOfTopLevelItem(item) : -1);
    });
    // Enter and a double click both activate a row.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { showChosen(); });
    connect(showButton, &QPushButton::clicked, this, [this] { showChosen(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(760, 420);
    refresh();
    frameDialog(this);
}

void FindDeviceView::refresh() {
    mirrorText(m_text, m_logic.text());
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    const int count = m_logic.listed();
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto* item = new QTreeWidgetItem;
        const auto cells = m_logic.row(i);
        for (int c = 0; c < FindDeviceDialog::kColumns; ++c) {
            item->setText(c, qs(cells[static_cast<std::size_t>(c)]));
        }
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    for (int c = 0; c + 1 < FindDeviceDialog::kColumns; ++c) {
        m_list->resizeColumnToContents(c);
    }
    m_list->setCurrentItem(m_list->topLevelItem(m_logic.chosen()));
    mirrorNote();
}

void FindDeviceView::mirrorNote() {
    m_note->setText(qs(m_logic.note()));
    m_note->setAccessibleName(m_note->text());
}

void FindDeviceView::showChosen() {
    if (m_showChosen()) {
        parentWidget()->activateWindow(); // the installer goes on in the row found
    }
    mirrorNote();
}

} // namespace qb::ui
