#include "controls/FlexGrid.h"

#include "controls/KeyCodes.h"
#include "desktop/Twips.h"
#include "pixels/ColorValue.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {
constexpr int kBackRole = Qt::UserRole + 1;
constexpr int kForeRole = Qt::UserRole + 2;

// Paints a cell with its own colours; a multi-cell selection is highlighted and the current cell
// gets a focus frame. A single selected cell keeps its colours, so a fresh pick shows them.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The cell keeps its last column and row of pixels for the grid lines.
        QStyleOptionViewItem opt(option);
        opt.rect.adjust(0, 0, -1, -1);
        // Cells without a colour of their own take the window colour; the viewport behind them
        // shows the dark grey of the area beyond the last cell.
        if (!index.data(Qt::BackgroundRole).isValid()) {
            painter->fillRect(opt.rect, m_grid->cellBackground());
        }
        opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        const int row = index.row() + 1;
        if (m_grid->isHighlighted(row, index.column())) {
            opt.state |= QStyle::State_Selected;
        }
        QStyledItemDelegate::paint(painter, opt, index);
        if (row == m_grid->Row() && index.column() == m_grid->Col() && m_grid->hasFocus()) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Text), 0, Qt::DotLine));
            painter->drawRect(opt.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
        // Grid lines in light grey, whatever the desktop's style would draw.
        painter->save();
        painter->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }

private:
    FlexGrid* m_grid;
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Setting the current cell in code must not scroll the list (and so raise Scroll).
    setAutoScroll(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setItemDelegate(new CellDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(4);
    m_cellBackground = palette().color(QPalette::Base);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80)); // the area beyond the last cell
    setPalette(pal);
    setShowGrid(false); // drawn with the cells
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

void FlexGrid::setFormatString(const QString& format) {
    const QStringList fields = format.split(QLatin1Char('|'));
    setColumnCount(static_cast<int>(fields.size()));
    m_alignments.clear();
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 3;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    for (int c = 0; c < fields.size(); ++c) {
        QString title = fields[c];
        Qt::Alignment align = Qt::AlignLeft;
        if (!title.isEmpty()) {
            const QChar mark = title.front();
            if (mark == QLatin1Char('<') || mark == QLatin1Char('>') || mark == QLatin1Char('^')) {
                align = mark == QLatin1Char('<')   ? Qt::AlignLeft
                        : mark == QLatin1Char('>') ? Qt::AlignRight
                                                   : Qt::AlignHCenter;
                title.remove(0, 1);
            }
        }
        m_alignments.append(align | Qt::AlignVCenter);
        auto* header = new QTableWidgetItem(title);
        header->setTextAlignment(m_alignments.back());
        setHorizontalHeaderItem(c, header);
        // Each column starts as wide as its title, blanks included.
        setColumnWidth(c, metrics.horizontalAdvance(title) + 8);
    }
    for (int r = 0; r < rowCount(); ++r) {
        fillRow(r);
    }
}

QTableWidgetItem* FlexGrid::newCell(int col, const QString& text) const {
    auto* it = new QTableWidgetItem(text);
    it->setTextAlignment(col < m_alignments.size() ? m_alignments[col]
                                                   : Qt::AlignLeft | Qt::AlignVCenter);
    return it;
}

void FlexGrid::fillRow(int tableRow) {
    for (int c = 0; c < columnCount(); ++c) {
        if (item(tableRow, c) == nullptr) {
            setItem(tableRow, c, newCell(c, QString()));
        }
    }
}

void FlexGrid::setRows(int rows) {
    const int oldCount = rowCount();
    setRowCount(std::max(0, rows - 1));
    for (int r = oldCount; r < rowCount(); ++r) {
        fillRow(r);
    }
}

void FlexGrid::setRow(int row) {
    m_row = std::clamp(row, 0, Rows() - 1);
    m_rowSel = m_row;
    m_colSel = m_col;
    if (m_row > 0) {
        setCurrentCell(m_row - 1, m_col);
    }
    viewport()->update();
    announceSelection();
}

void FlexGrid::setCol(int col) {
    m_col = std::clamp(col, 0, std::max(0, Cols() - 1));
    m_rowSel = m_row;
    m_colSel = m_col;
    if (m_row > 0) {
        setCurrentCell(m_row - 1, m_col);
    }
    viewport()->update();
    announceSelection();
}

void FlexGrid::setColSel(int col) {
    m_colSel = std::clamp(col, 0, std::max(0, Cols() - 1));
    viewport()->update();
    announceSelection();
}

void FlexGrid::setRowSel(int row) {
    m_rowSel = std::clamp(row, 0, Rows() - 1);
    viewport()->update();
    announceSelection();
}

void FlexGrid::announceSelection() {
    const std::array<int, 4> now{m_row, m_col, m_rowSel, m_colSel};
    if (now != m_announced) {
        m_announced = now;
        emit SelChange();
    }
}

bool FlexGrid::isHighlighted(int row, int col) const {
    if (m_colSel == m_col && m_rowSel == m_row) {
        return false;
    }
    return row >= std::min(m_row, m_rowSel) && row <= std::max(m_row, m_rowSel) &&
           col >= std::min(m_col, m_colSel) && col <= std::max(m_col, m_colSel);
}

QString FlexGrid::SelectedText() const {
    QStringList lines;
    for (int row = std::min(m_row, m_rowSel); row <= std::max(m_row, m_rowSel); ++row) {
        QStringList cells;
        for (int col = std::min(m_col, m_colSel); col <= std::max(m_col, m_colSel); ++col) {
            cells << TextMatrix(row, col);
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QTableWidgetItem* FlexGrid::cell(int row, int col) const {
    if (row == 0) {
        return horizontalHeaderItem(col);
    }
    return item(row - 1, col);
}

template <typename Fn> void FlexGrid::forEachTarget(Fn fn) {
    // FillStyle 1: every selected cell; otherwise the current cell alone.
    const bool all = m_fillStyle == 1;
    const int top = all ? std::min(m_row, m_rowSel) : m_row;
    const int bottom = all ? std::max(m_row, m_rowSel) : m_row;
    const int left = all ? std::min(m_col, m_colSel) : m_col;
    const int right = all ? std::max(m_col, m_colSel) : m_col;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (QTableWidgetItem* it = cell(r, c)) {
                fn(it);
            }
        }
    }
}

void FlexGrid::setText(const QString& text) {
    forEachTarget([&](QTableWidgetItem* it) { it->setText(text); });
}

QString FlexGrid::TextMatrix(int row, int col) const {
    const QTableWidgetItem* it = cell(row, col);
    return it != nullptr ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cell(row, col)) {
        it->setText(text);
    }
}

ColorValue FlexGrid::CellBackColor() const {
    const QTableWidgetItem* it = cell(m_row, m_col);
    return it != nullptr ? it->data(kBackRole).toInt() : 0;
}

namespace {
void SetBack(QTableWidgetItem* it, ColorValue color) {
    it->setData(kBackRole, color);
    // 0 is no colour of its own: the grid's default shows through.
    it->setData(Qt::BackgroundRole, color == 0 ? QVariant() : QVariant(QColorOf(color)));
}

void SetFore(QTableWidgetItem* it, ColorValue color) {
    it->setData(kForeRole, color);
    it->setData(Qt::ForegroundRole, QColorOf(color));
}
} // namespace

void FlexGrid::setCellBackColor(ColorValue color) {
    forEachTarget([&](QTableWidgetItem* it) { SetBack(it, color); });
}

ColorValue FlexGrid::CellForeColor() const {
    const QTableWidgetItem* it = cell(m_row, m_col);
    return it != nullptr ? it->data(kForeRole).toInt() : 0;
}

void FlexGrid::setCellForeColor(ColorValue color) {
    forEachTarget([&](QTableWidgetItem* it) { SetFore(it, color); });
}

void FlexGrid::setCellColors(int row, int col, ColorValue back, ColorValue fore) {
    if (QTableWidgetItem* it = cell(row, col)) {
        SetBack(it, back);
        SetFore(it, fore);
    }
}

void FlexGrid::AddItem(const QString& text, int index) {
    const int tableRow = std::clamp(index, 1, Rows()) - 1;
    insertRow(tableRow);
    fillRow(tableRow);
    const QStringList cells = text.split(QLatin1Char('\t'));
    for (int c = 0; c < columnCount() && c < cells.size(); ++c) {
        item(tableRow, c)->setText(cells[c]);
    }
}

void FlexGrid::AddItems(const QStringList& texts, int index,
                        const std::function<void(int row)>& fill) {
    const int tableRow = std::clamp(index, 1, Rows()) - 1;
    const int count = static_cast<int>(texts.size());
    if (count == 0) {
        return;
    }
    // One insertion for all: the view and its headers adjust once.
    model()->insertRows(tableRow, count);
    {
        // Cell by cell the view would hear of every change; it hears of them all at the end.
        const QSignalBlocker quiet(model());
        for (int r = 0; r < count; ++r) {
            const QStringList cells = texts[r].split(QLatin1Char('\t'));
            for (int c = 0; c < columnCount(); ++c) {
                setItem(tableRow + r, c, newCell(c, c < cells.size() ? cells[c] : QString()));
            }
            if (fill) {
                fill(tableRow + r + 1);
            }
        }
    }
    emit model()->dataChanged(model()->index(tableRow, 0),
                              model()->index(tableRow + count - 1, columnCount() - 1));
}

void FlexGrid::RemoveItem(int index) {
    if (index >= 1 && index < Rows()) {
        removeRow(index - 1);
        m_row = std::min(m_row, Rows() - 1);
        m_rowSel = std::min(m_rowSel, Rows() - 1);
        announceSelection();
    }
}

int FlexGrid::ColWidth(int col) const {
    return static_cast<int>(std::lround(PixelsToTwipsX(columnWidth(col))));
}

void FlexGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, TwipsToPixelsX(twips));
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    // One current cell: the view's, however it moved (code, mouse or keys).
    if (current.isValid()) {
        m_row = current.row() + 1;
        m_col = current.column();
        m_rowSel = m_row;
        m_colSel = m_col;
    }
    viewport()->update();
    announceSelection();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with the button held selects a block of cells from the current cell on; the
    // current cell stays where the press made it.
    if (!(event->buttons() & Qt::LeftButton)) {
        QTableWidget::mouseMoveEvent(event);
        return;
    }
    const QModelIndex under = indexAt(event->position().toPoint());
    if (under.isValid() && (under.row() + 1 != m_rowSel || under.column() != m_colSel)) {
        m_rowSel = under.row() + 1;
        m_colSel = under.column();
        viewport()->update();
        announceSelection();
    }
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    // The press makes the cell under it current first, so handlers see the pressed cell.
    QTableWidget::mousePressEvent(event);
    emit MouseDown(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    emit MouseUp(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                 static_cast<float>(event->position().x()),
                 static_cast<float>(event->position().y()));
}
