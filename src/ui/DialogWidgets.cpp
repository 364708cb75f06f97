#include "DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <memory>
#include <utility>

namespace qb::ui {

namespace {

// A control of type W made from `args` (its text, if any) inside `parent`.
template <class W, class... Args> W* named(QWidget* parent, const QString& name, Args... args) {
    auto* control = new W(args..., parent);
    control->setObjectName(name);
    return control;
}

QPushButton* namedButton(QWidget* parent, const QString& text, const QString& name,
                         bool autoDefault) {
    auto* b = named<QPushButton>(parent, name, text);
    b->setAutoDefault(autoDefault);
    return b;
}

} // namespace

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    return namedButton(parent, text, name, false);
}

QPushButton* dialogButton(QWidget* parent, const QString& text, const QString& name) {
    return namedButton(parent, text, name, true);
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name) {
    return named<QCheckBox>(parent, name, text);
}

QRadioButton* radioButton(QWidget* parent, const QString& name) {
    return named<QRadioButton>(parent, name);
}

QComboBox* dropDown(QWidget* parent, const QString& name, int contentLength) {
    return fittedDropDown(parent, name, contentLength);
}

QComboBox* fittedDropDown(QWidget* parent, const QString& name, int contentLength) {
    auto* combo = named<QComboBox>(parent, name);
    // Most lists are filled after the window is shown, and refilled with longer entries later
    // ("V1 IO-Board" after "01"): sized once, they would cut them.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumContentsLength(contentLength);
    return combo;
}

void onChoice(QComboBox* combo, QObject* context, std::function<void(int)> choose,
              Rechoice rechoice) {
    // A pick from the pop-up or by the keys emits the change, then at once the activation; a
    // screen reader's only the change; a click on the entry already shown only the activation.
    // The change is handed over and the activation that follows it in the same event passes; the
    // mark is gone by the next event, so a later re-choice of that entry still acts.
    auto changed = std::make_shared<bool>(false);
    QObject::connect(combo, &QComboBox::currentIndexChanged, context,
                     [changed, choose, context](int index) {
                         *changed = true;
                         choose(index);
                         // Armed only now: a box the choice showed must not clear it early.
                         QTimer::singleShot(0, context, [changed] { *changed = false; });
                     });
    QObject::connect(combo, &QComboBox::activated, context,
                     [changed, choose = std::move(choose), rechoice](int index) {
                         if (!std::exchange(*changed, false) && rechoice == Rechoice::Acts) {
                             choose(index);
                         }
                     });
}

QListWidget* listBox(QWidget* parent, const QString& name) {
    auto* list = named<QListWidget>(parent, name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(160, 220);
    return list;
}

QLineEdit* editBox(QWidget* parent, const QString& name, int maxLength) {
    auto* box = named<QLineEdit>(parent, name);
    box->setMaxLength(maxLength);
    return box;
}

QLineEdit* numberBox(QWidget* parent, const QString& name, int digits) {
    QLineEdit* box = editBox(parent, name, digits);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    return box;
}

QLineEdit* digitsBox(QWidget* parent, const QString& name, int digits) {
    QLineEdit* box = numberBox(parent, name, digits);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
    return box;
}

QHBoxLayout* labelledRow(QWidget* parent, const QString& caption, QWidget* field) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, parent));
    row->addWidget(field);
    row->addStretch();
    return row;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons) {
        row->addWidget(b);
    }
    return row;
}

} // namespace qb::ui
