#include "controls/FlexGrid.h"

#include "controls/KeyCodes.h"
#include "desktop/Twips.h"
#include "pixels/Color.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace {
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
        // A background of 0 is none of the cell's own: it takes the window colour, while the
        // viewport behind the cells shows the dark grey of the area beyond the last cell.
        const ColorValue back = index.data(CellRole::BackValue).toInt();
        painter->fillRect(opt.rect, back == 0 ? m_grid->cellBackground() : QColorOf(back));
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

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = m_grid->ColAlignment(index.column());
        const QVariant fore = index.data(CellRole::ForeValue);
        if (fore.isValid()) {
            option->palette.setColor(QPalette::Text, QColorOf(fore.toInt()));
        }
    }

private:
    FlexGrid* m_grid;
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), m_cells(new QStandardItemModel(this)) {
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
    setModel(m_cells);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

void FlexGrid::setModel(QAbstractItemModel* newModel) {
    QAbstractItemModel* old = model();
    if (old != nullptr && old != newModel) {
        disconnect(old, nullptr, this, nullptr);
    }
    QTableView::setModel(newModel != nullptr ? newModel : m_cells);
    QAbstractItemModel* now = model();
    connect(now, &QAbstractItemModel::rowsRemoved, this, &FlexGrid::keepWithinRows);
    connect(now, &QAbstractItemModel::modelReset, this, &FlexGrid::keepWithinRows);
    // Rows come and go under a second row chosen to compare: it would name another pick.
    for (const auto change :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(now, change, this, [this] { m_otherRow = 0; });
    }
    applyTitles();
    keepWithinRows();
}

void FlexGrid::setFormatString(const QString& format) {
    const QStringList fields = format.split(QLatin1Char('|'));
    m_cells->setColumnCount(static_cast<int>(fields.size()));
    m_titles.clear();
    m_alignments.clear();
    for (QString title : fields) {
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
        m_titles.append(title);
    }
    applyTitles();
}

void FlexGrid::applyTitles() {
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 3;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    for (int c = 0; c < m_titles.size() && c < Cols(); ++c) {
        model()->setHeaderData(c, Qt::Horizontal, m_titles[c]);
        model()->setHeaderData(c, Qt::Horizontal, int(m_alignments[c]), Qt::TextAlignmentRole);
        // Each column starts as wide as its title, blanks included.
        setColumnWidth(c, metrics.horizontalAdvance(m_titles[c]) + 8);
    }
}

Qt::Alignment FlexGrid::ColAlignment(int col) const {
    return col >= 0 && col < m_alignments.size() ? m_alignments[col]
                                                 : Qt::AlignLeft | Qt::AlignVCenter;
}

void FlexGrid::setRows(int rows) {
    const int wanted = std::max(0, rows - 1);
    const int now = model()->rowCount();
    if (wanted > now) {
        model()->insertRows(now, wanted - now);
    } else if (wanted < now) {
        model()->removeRows(wanted, now - wanted);
    }
}

void FlexGrid::keepWithinRows() {
    m_row = std::min(m_row, Rows() - 1);
    m_rowSel = std::min(m_rowSel, Rows() - 1);
    announceSelection();
}

void FlexGrid::setRow(int row) {
    m_otherRow = 0;
    m_row = std::clamp(row, 0, Rows() - 1);
    m_rowSel = m_row;
    m_colSel = m_col;
    if (m_row > 0) {
        setCurrentIndex(model()->index(m_row - 1, m_col));
    }
    viewport()->update();
    announceSelection();
}

void FlexGrid::setCol(int col) {
    m_otherRow = 0;
    m_col = std::clamp(col, 0, std::max(0, Cols() - 1));
    m_rowSel = m_row;
    m_colSel = m_col;
    if (m_row > 0) {
        setCurrentIndex(model()->index(m_row - 1, m_col));
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
    // A second row stays only beside a current cell of its own.
    if (m_otherRow != 0 &&
        (m_rowSel != m_row || m_colSel != m_col || m_otherRow == m_row || m_otherRow >= Rows())) {
        m_otherRow = 0;
        viewport()->update();
    }
    const std::array<int, 5> now{m_row, m_col, m_rowSel, m_colSel, m_otherRow};
    if (now != m_announced) {
        m_announced = now;
        emit SelChange();
    }
}

bool FlexGrid::isHighlighted(int row, int col) const {
    if (m_otherRow != 0) {
        return row == m_otherRow || row == m_row;
    }
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

QModelIndex FlexGrid::cell(int row, int col) const {
    return row >= 1 ? model()->index(row - 1, col) : QModelIndex();
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
            fn(r, c);
        }
    }
}

void FlexGrid::setText(const QString& text) {
    forEachTarget([&](int r, int c) { setTextMatrix(r, c, text); });
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (row == 0) {
        return model()->headerData(col, Qt::Horizontal).toString();
    }
    return cell(row, col).data().toString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    if (row == 0) {
        if (col >= 0 && col < m_titles.size()) {
            m_titles[col] = text;
        }
        model()->setHeaderData(col, Qt::Horizontal, text);
    } else if (const QModelIndex at = cell(row, col); at.isValid()) {
        model()->setData(at, text);
    }
}

ColorValue FlexGrid::CellBackColor() const {
    return cell(m_row, m_col).data(CellRole::BackValue).toInt();
}

void FlexGrid::setCellBackColor(ColorValue color) {
    forEachTarget([&](int r, int c) {
        if (const QModelIndex at = cell(r, c); at.isValid()) {
            model()->setData(at, color, CellRole::BackValue);
        }
    });
}

ColorValue FlexGrid::CellForeColor() const {
    return cell(m_row, m_col).data(CellRole::ForeValue).toInt();
}

void FlexGrid::setCellForeColor(ColorValue color) {
    forEachTarget([&](int r, int c) {
        if (const QModelIndex at = cell(r, c); at.isValid()) {
            model()->setData(at, color, CellRole::ForeValue);
        }
    });
}

void FlexGrid::AddItem(const QString& text, int index) {
    const int tableRow = std::clamp(index, 1, Rows()) - 1;
    if (!model()->insertRow(tableRow)) {
        return; // a model that takes no rows of free text
    }
    const QStringList cells = text.split(QLatin1Char('\t'));
    for (int c = 0; c < Cols(); ++c) {
        // Every cell of the new row holds a text, an empty one where the text ran out.
        model()->setData(model()->index(tableRow, c), c < cells.size() ? cells[c] : QString());
    }
}

void FlexGrid::RemoveItem(int index) {
    if (index >= 1 && index < Rows()) {
        model()->removeRow(index - 1);
    }
}

int FlexGrid::ColWidth(int col) const {
    return static_cast<int>(std::lround(PixelsToTwipsX(columnWidth(col))));
}

void FlexGrid::setColWidth(int col, int twips) {
    setColumnWidth(col, TwipsToPixelsX(twips));
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // One current cell: the view's, however it moved (code, mouse or keys).
    if (current.isValid()) {
        if (current.row() + 1 != m_row) {
            m_otherRow = 0;
        }
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
        QTableView::mouseMoveEvent(event);
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

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
        event->modifiers() == Qt::NoModifier) {
        emit EditKey();
        return;
    }
    if (extendsSelection(key, event->modifiers())) {
        return;
    }
    QTableView::keyPressEvent(event);
}

bool FlexGrid::extendsSelection(int key, Qt::KeyboardModifiers modifiers) {
    const int lastRow = Rows() - 1;
    if (m_row < 1 || lastRow < 1) {
        return false;
    }
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(0)) - 1);
    // Ctrl+Up and Ctrl+Down choose the row compared with the current one, as Ctrl+click does:
    // the next row up or down from the one chosen, passing over the current row.
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const int step = key == Qt::Key_Up ? -1 : 1;
        int other = (m_otherRow != 0 ? m_otherRow : m_row) + step;
        if (other == m_row) {
            other += step;
        }
        if (other < 1 || other > lastRow) {
            return true;
        }
        m_rowSel = m_row;
        m_colSel = m_col;
        m_otherRow = other;
        scrollTo(cell(other, m_col));
        viewport()->update();
        announceSelection();
        return true;
    }
    // Shift with a moving key stretches the selection's far corner; the current cell stays.
    if (modifiers != Qt::ShiftModifier) {
        return false;
    }
    int row = m_rowSel;
    int col = m_colSel;
    switch (key) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= page;
        break;
    case Qt::Key_PageDown:
        row += page;
        break;
    case Qt::Key_Home:
        col = 0;
        break;
    case Qt::Key_End:
        col = Cols() - 1;
        break;
    default:
        return false;
    }
    m_otherRow = 0;
    m_rowSel = std::clamp(row, 1, lastRow);
    m_colSel = std::clamp(col, 0, std::max(0, Cols() - 1));
    scrollTo(cell(m_rowSel, m_colSel));
    viewport()->update();
    announceSelection();
    return true;
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    // Ctrl+click chooses a second row to compare with the current one; the current cell stays.
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier) {
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid()) {
            const int row = under.row() + 1;
            m_rowSel = m_row;
            m_colSel = m_col;
            m_otherRow = row == m_otherRow || row == m_row ? 0 : row;
            viewport()->update();
            announceSelection();
        }
        return;
    }
    // Any other press leaves one row current.
    if (m_otherRow != 0) {
        m_otherRow = 0;
        viewport()->update();
        announceSelection();
    }
    // The press makes the cell under it current first, so handlers see the pressed cell.
    QTableView::mousePressEvent(event);
    emit MouseDown(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    emit MouseUp(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                 static_cast<float>(event->position().x()),
                 static_cast<float>(event->position().y()));
}
