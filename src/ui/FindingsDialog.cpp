#include "FindingsDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "check/ConfigCheck.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

enum Column { SeverityColumn, FileColumn, PlaceColumn, PageColumn, TextColumn, ColumnCount };

constexpr int kIndexRole = Qt::UserRole;    // the finding's place in the check's list
constexpr int kRankRole = Qt::UserRole + 1; // its severity, errors first

// Sorts the severity column by rank, every column by the check's order among equals.
class FindingItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const auto key = [column](const QTreeWidgetItem& item) {
            return column == SeverityColumn ? QString::number(item.data(0, kRankRole).toInt())
                                            : item.text(column);
        };
        const int order = QString::localeAwareCompare(key(*this), key(other));
        return order != 0 ? order < 0
                          : data(0, kIndexRole).toInt() < other.data(0, kIndexRole).toInt();
    }
};

QString summary(const std::vector<Finding>& findings) {
    const auto count = [&](Severity severity, const char* one, const char* many) {
        const int n = countFindings(findings, severity);
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    return count(Severity::Error, "error", "errors") + QStringLiteral(", ") +
           count(Severity::Warning, "warning", "warnings") + QStringLiteral(", ") +
           count(Severity::Note, "note", "notes");
}

} // namespace

FindingsDialog::FindingsDialog(FindingsCheck check, std::function<void(const Finding&)> show,
                               QWidget* parent)
    : QDialog(parent), m_check(std::move(check)), m_show(std::move(show)) {
    setWindowTitle(QStringLiteral("Check Configuration"));
    setObjectName(QStringLiteral("findingsDialog"));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(m_summary);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("findings"));
    m_list->setAccessibleName(QStringLiteral("Findings"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({QStringLiteral("Severity"), QStringLiteral("File"),
                             QStringLiteral("Place"), QStringLiteral("Page"),
                             QStringLiteral("Finding")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(SeverityColumn, Qt::AscendingOrder);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);
    // Enter and a double click both activate a row.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { showCurrent(); });

    m_forController =
        checkBox(this, QStringLiteral("For the controller"), QStringLiteral("forController"));
    m_forController->setToolTip(QStringLiteral(
        "A checksum a page save left uncomputed and a stale registered-rule count are errors"));
    m_showButton = button(this, QStringLiteral("Show"), QStringLiteral("show"));
    QPushButton* again = button(this, QStringLiteral("Check Again"), QStringLiteral("checkAgain"));
    QPushButton* close = button(this, QStringLiteral("Close"), QStringLiteral("close"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_forController);
    row->addStretch(1);
    row->addWidget(m_showButton);
    row->addWidget(again);
    row->addWidget(close);
    layout->addLayout(row);
    connect(m_showButton, &QPushButton::clicked, this, [this] { showCurrent(); });
    connect(again, &QPushButton::clicked, this, [this] { checkAgain(); });
    connect(m_forController, &QCheckBox::toggled, this, [this] { checkAgain(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { m_showButton->setEnabled(item != nullptr); });
    resize(900, 480);
    checkAgain();
    frameDialog(this);
}

void FindingsDialog::checkAgain() {
    m_findings = m_check(m_forController->isChecked());
    m_list->setSortingEnabled(false);
    m_list->clear();
    for (std::size_t i = 0; i < m_findings.size(); ++i) {
        const Finding& f = m_findings[i];
        auto* item = new FindingItem(m_list);
        item->setText(SeverityColumn, qs(std::string(severityName(f.severity))));
        item->setText(FileColumn, qs(f.file));
        item->setText(PlaceColumn, qs(f.where));
        item->setText(PageColumn, qs(std::string(pageName(f.page))));
        item->setText(TextColumn, qs(f.text));
        item->setToolTip(TextColumn, qs(f.text));
        item->setData(0, kIndexRole, static_cast<int>(i));
        item->setData(0, kRankRole, static_cast<int>(f.severity));
    }
    m_list->setSortingEnabled(true);
    for (int c = 0; c < TextColumn; ++c) {
        m_list->resizeColumnToContents(c);
    }
    m_summary->setText(summary(m_findings));
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_showButton->setEnabled(m_list->currentItem() != nullptr);
}

void FindingsDialog::showCurrent() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item) {
        return;
    }
    const int index = item->data(0, kIndexRole).toInt();
    if (index >= 0 && static_cast<std::size_t>(index) < m_findings.size()) {
        m_show(m_findings[static_cast<std::size_t>(index)]);
    }
}

} // namespace qb::ui
