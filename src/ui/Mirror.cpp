#include "Mirror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>

namespace qb::ui {

namespace {

// Marks the entry that stands for an empty list's reason.
constexpr int kReasonRole = Qt::UserRole + 1;

bool showsReason(const QListWidget* list) {
    return list->count() == 1 && list->item(0)->data(kReasonRole).toBool();
}

// A screen reader hears the reason with the control, and a pointer resting on it shows it whole.
void describe(QWidget* control, const QString& reason) {
    if (control->accessibleDescription() != reason) {
        control->setAccessibleDescription(reason);
    }
    if (control->toolTip() != reason) {
        control->setToolTip(reason);
    }
}

// The reason as the list's one entry, greyed and slanted like a placeholder, which nothing can
// select or act on.
void showReason(QListWidget* list, const QString& reason) {
    const QSignalBlocker block(list);
    if (!showsReason(list) || list->item(0)->text() != reason) {
        list->clear();
        auto* entry = new QListWidgetItem(reason);
        entry->setFlags(Qt::NoItemFlags);
        entry->setData(kReasonRole, true);
        QFont font = list->font();
        font.setItalic(true);
        entry->setFont(font);
        // Darker than a disabled entry's grey, which is hard to read.
        entry->setForeground(list->palette().placeholderText());
        list->addItem(entry);
    }
    // A long reason wraps within the list instead of running off its edge.
    list->setWordWrap(true);
    list->setCurrentRow(-1);
    list->clearSelection();
}

// The width at which a drop-down shows `text` whole.
int widthShowing(const QComboBox* combo, const QString& text) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QFontMetrics metrics(combo->font());
    const QSize contents(metrics.horizontalAdvance(text) + metrics.averageCharWidth(),
                         metrics.height());
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, combo).width();
}

} // namespace

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
    const QString reason = control.items.empty() ? qs(control.emptyReason) : QString();
    // A drop-down grows to its placeholder, and the whole line would widen the window: it shows
    // what is missing, its tool tip and description the whole reason.
    const QString missing = reason.section(QStringLiteral(": "), 0, 0);
    if (combo->placeholderText() != missing) {
        // Taking the placeholder away selects the first entry: done before the entries are
        // mirrored, which then set the selection the logic holds.
        const QSignalBlocker block(combo);
        combo->setPlaceholderText(missing);
        // Slanted like the lists' reasons. A drop-down does not always measure itself again for
        // a new placeholder: its row is made to leave room for all of it, widening the window if
        // need be, rather than cut it.
        QFont font = combo->font();
        font.setItalic(!missing.isEmpty());
        combo->setFont(font);
        combo->setMinimumWidth(missing.isEmpty() ? 0 : widthShowing(combo, missing));
    }
    describe(combo, reason);
    mirrorItems(combo, control.items, control.chosen() ? control.selected : -1);
}

void mirrorList(QListWidget* list, const ListControl& control) {
    const QString reason = control.items.empty() ? qs(control.emptyReason) : QString();
    describe(list, reason);
    if (!reason.isEmpty()) {
        showReason(list, reason);
        return;
    }
    if (showsReason(list)) {
        const QSignalBlocker block(list);
        list->clear();
        list->setWordWrap(false);
    }
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
