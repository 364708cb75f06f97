#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <vector>

class QPainter;
class QPaintDevice;
class QTextTable;

namespace qb::ui {

// A table of the report laid out for paper by hand: the texts and looks of its cells as the
// document imported them from the report's HTML and style sheet, its columns shared out over
// the page's width so that long texts wrap instead of running off the page, its header rows kept
// apart so that every page the table runs onto can start with them. Qt's own table layout costs
// tens of microseconds a cell, and a full configuration prints some 200,000 cells.
class ReportTable {
public:
    // `table` as imported, measured for `device`, `width` wide in the device's pixels.
    ReportTable(QTextTable& table, const QPaintDevice& device, double width);

    int bodyRows() const { return static_cast<int>(m_rows.size()) - m_headerRows; }
    double headerHeight() const;
    double bodyRowHeight(int row) const { return m_heights.at(bodyIndex(row)); }
    // What must stand on the page where the table begins, so that its header is not left
    // alone at a page's foot: the header and the first row, or a good part of a page when that
    // row is longer.
    double keptTogether(double pageHeight) const;
    // The room the document leaves below the table.
    double bottomMargin() const { return m_bottomMargin; }

    // Draws the header rows with their top at `top`; returns their height.
    double drawHeader(QPainter& painter, double top) const;
    // Draws the slice of body row `row` that starts `from` below the row's top and is `height`
    // high, with the slice's top at `top`.
    void drawBodyRow(QPainter& painter, int row, double top, double from, double height) const;
    // How much of body row `row`, from `from` down, fits in `room`: cut between two lines of
    // text where the lines allow it.
    double sliceThatFits(int row, double from, double room) const;

private:
    struct Cell {
        QString text;
        int font = 0; // in m_fonts
        QColor color;
        Qt::Alignment alignment;
        QBrush background;
        int column = 0;
        int span = 1;
        int flags = 0;                                   // wrapping, for QPainter::drawText
        double natural = 0;                              // the longest line of the text
        double least = 0;                                // its longest word
        double left = 0, right = 0, top = 0, bottom = 0; // padding
    };
    struct Font {
        QFont font;
        QFontMetricsF metrics; // on the device
        double lineStep = 0;   // from one line's top to the next as QPainter::drawText sets them
    };

    void readCells(QTextTable& table, double scale);
    void fitColumns(double width);
    void measureRows();
    int fontIndex(const QFont& font);
    int bodyIndex(int row) const { return m_headerRows + row; }
    void drawRow(QPainter& painter, int index, double top) const;

    const QPaintDevice& m_device;
    std::vector<Font> m_fonts;
    std::vector<std::vector<Cell>> m_rows;
    std::vector<double> m_heights;
    std::vector<double> m_edges; // the x of each column's left edge, then the table's right edge
    int m_headerRows = 0;
    QPen m_grid;
    double m_bottomMargin = 0;
};

} // namespace qb::ui
