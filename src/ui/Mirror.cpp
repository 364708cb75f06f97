#include "Mirror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

namespace qb::ui {

void mirrorItems(QComboBox* combo, const std::vector<std::u16string>& items, int current) {
    const QSignalBlocker block(combo);
    bool same = combo->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo->count(); ++i) {
        same = combo->itemText(i) == qs(items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        combo->clear();
        QStringList texts;
        for (const auto& item : items) {
            texts << qs(item);
        }
        combo->addItems(texts);
    }
    combo->setCurrentIndex(current);
}

void mirrorItems(QListWidget* list, const std::vector<std::u16string>& items, int current) {
    const QSignalBlocker block(list);
    bool same = list->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->item(i)->text() == qs(items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        list->clear();
        for (const auto& item : items) {
            list->addItem(qs(item));
        }
    }
    list->setCurrentRow(current);
    if (current < 0) {
        list->clearSelection();
    }
}

void mirrorList(QComboBox* combo, const ListControl& control) {
    mirrorItems(combo, control.items, control.chosen() ? control.selected : -1);
}

void mirrorList(QListWidget* list, const ListControl& control) {
    mirrorItems(list, control.items, control.chosen() ? control.selected : -1);
}

void mirrorCheck(QCheckBox* box, bool checked) {
    const QSignalBlocker block(box);
    box->setChecked(checked);
}

void mirrorText(QLineEdit* box, const std::u16string& text) {
    if (box->text() != qs(text)) {
        const QSignalBlocker block(box);
        box->setText(qs(text));
    }
}

void mirrorSelector(QComboBox* combo, QLabel* label, const SelectorState& state) {
    combo->setVisible(state.visible);
    label->setVisible(state.visible);
    if (!state.visible) {
        return;
    }
    label->setText(qs(state.label));
    mirrorItems(combo, state.items, state.current);
}

void mirrorCheck(QCheckBox* box, const CheckBoxState& state) {
    const QSignalBlocker block(box);
    box->setVisible(state.visible);
    box->setChecked(state.checked);
}

void mirrorGrid(QTableWidget* table, const PageGrid& grid) {
    const QSignalBlocker block(table);
    const int rows = std::max(grid.rows() - 1, 0);
    const int columns = grid.columns();
    if (table->columnCount() != columns) {
        table->setColumnCount(columns);
    }
    if (table->rowCount() != rows) {
        table->setRowCount(rows);
    }
    const double pixelsPerTwip = table->logicalDpiX() / 1440.0;
    const int rowHeight =
        static_cast<int>(PageGrid::kRowHeightTwips * table->logicalDpiY() / 1440.0);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int c = 0; c < columns; ++c) {
        QTableWidgetItem* header = table->horizontalHeaderItem(c);
        if (!header) {
            header = new QTableWidgetItem;
            table->setHorizontalHeaderItem(c, header);
        }
        if (header->text() != qs(grid.text(0, c))) {
            header->setText(qs(grid.text(0, c)));
        }
        table->setColumnWidth(c, static_cast<int>(grid.width(c) * pixelsPerTwip));
    }
    for (int r = 1; r < grid.rows(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text = qs(grid.text(r, c));
            QTableWidgetItem* item = table->item(r - 1, c);
            if (!item) {
                item = new QTableWidgetItem(text);
                item->setTextAlignment(Qt::AlignCenter);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                table->setItem(r - 1, c, item);
            } else if (item->text() != text) {
                item->setText(text);
            }
        }
    }
}

} // namespace qb::ui
