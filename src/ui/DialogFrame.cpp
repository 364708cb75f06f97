#include "DialogFrame.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QSet>
#include <QSplitter>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <vector>

namespace qb::ui {

namespace {

bool takesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

// A layout's items in the order they read: a grid's and a form's by row and column, a box's in
// the order it places them.
std::vector<QLayoutItem*> readingOrder(QLayout* layout) {
    const auto* box = qobject_cast<QBoxLayout*>(layout);
    const bool reversed = box && (box->direction() == QBoxLayout::RightToLeft ||
                                  box->direction() == QBoxLayout::BottomToTop);
    std::vector<std::tuple<int, int, int>> places; // row, column, index
    for (int i = 0; i < layout->count(); ++i) {
        int row = reversed ? -i : i;
        int column = 0;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            QFormLayout::ItemRole role{};
            form->getItemPosition(i, &row, &role);
            column = role == QFormLayout::FieldRole ? 1 : 0;
        }
        places.emplace_back(row, column, i);
    }
    std::sort(places.begin(), places.end());
    std::vector<QLayoutItem*> items;
    for (const auto& [row, column, index] : places) {
        items.push_back(layout->itemAt(index));
    }
    return items;
}

// The controls of a window that Tab reaches, in the order they read.
class ReadingOrder {
public:
    explicit ReadingOrder(QWidget* window) : m_window(window) { addContents(window); }
    const QList<QWidget*>& controls() const { return m_controls; }

private:
    void addWidget(QWidget* widget) {
        if (widget->isWindow() || m_seen.contains(widget)) {
            return;
        }
        m_seen.insert(widget);
        if (!takesTab(widget)) {
            addContents(widget);
            return;
        }
        m_controls << widget;
        for (QWidget* inner : widget->findChildren<QWidget*>()) {
            if (inner->window() == m_window && takesTab(inner) && !inner->focusProxy() &&
                inner != widget->focusProxy() && !m_seen.contains(inner)) {
                m_seen.insert(inner);
                m_controls << inner;
            }
        }
    }

    void addContents(QWidget* widget) {
        if (QLayout* layout = widget->layout()) {
            addLayout(layout);
        }
        if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
            for (int i = 0; i < splitter->count(); ++i) {
                addWidget(splitter->widget(i));
            }
        }
        // A control that no layout places (one shown only for some editors) comes last.
        for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            addWidget(child);
        }
    }

    void addLayout(QLayout* layout) {
        for (QLayoutItem* item : readingOrder(layout)) {
            if (QWidget* widget = item->widget()) {
                addWidget(widget);
            } else if (QLayout* inner = item->layout()) {
                addLayout(inner);
            }
        }
    }

    QWidget* m_window;
    QSet<QWidget*> m_seen;
    QList<QWidget*> m_controls;
};

void orderTabs(QWidget* window) {
    const ReadingOrder order(window);
    const QList<QWidget*>& controls = order.controls();
    // The chain is a ring through the window. Qt leaves a control where it is when it already
    // follows the other with only controls that take no Tab between, the window being one of
    // them: the last control would then stay ahead of the first. Taking Tab while the chain is
    // laid, the window keeps its place at the ring's start.
    const Qt::FocusPolicy policy = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
    window->setFocusPolicy(policy);
}

// The window system draws the title beside the window's icon and buttons, each about two lines
// high, in its own font, often bold. Only where the title is wider than the controls does the
// window get a minimum width of its own: otherwise the layout keeps deciding it.
void fitTitle(QWidget* window) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int needed = metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.height();
    const int controls = window->layout() ? window->layout()->totalMinimumSize().width() : 0;
    if (needed > controls && needed > window->minimumWidth()) {
        window->setMinimumWidth(needed);
    }
}

// The smallest screen the program is used on, 1024 x 768, less what the window system draws
// around a window and a panel along the screen's edge: no window opens larger.
constexpr QSize kLargestWindow(1024 - 16, 768 - 64);

void fitSmallestScreen(QWidget* window) {
    const QSize fitted = window->size().boundedTo(kLargestWindow).expandedTo(window->minimumSize());
    if (fitted != window->size()) {
        window->resize(fitted);
    }
}

class DialogFramer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* window = static_cast<QWidget*>(watched);
            orderTabs(window);
            fitTitle(window);
            fitSmallestScreen(window);
        }
        return false;
    }
};

} // namespace

void frameDialog(QWidget* dialog) {
    dialog->installEventFilter(new DialogFramer(dialog));
}

} // namespace qb::ui
