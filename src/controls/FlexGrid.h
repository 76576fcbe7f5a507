#pragma once
// The picked-colour list's grid: one fixed titles row (row 0) above the data rows, cells with a
// text, a background and a text colour, a current cell and a selection running from the current
// cell to an end column and an end row (the user extends it by dragging). Row numbers include the
// titles row.
//
// The grid shows a table model: a plain table of cells of its own until it is given another
// (the list of picks). Its cell operations read and write the model through Qt's roles and the
// background and text colour roles of CellRole; a model that keeps typed data refuses the
// writes it has no room for (a pick's web code is made from its colour, not written).

#include "list/PickList.h"
#include "pixels/Color.h"

#include <QTableView>
#include <array>

class QStandardItemModel;

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    // Taking its rows and selection apart, the grid reports nothing: its window may be gone.
    ~FlexGrid() override { blockSignals(true); }

    // Shows another model; the grid's own table stays empty behind it. The titles go with it.
    void setModel(QAbstractItemModel* model) override;

    // Column titles and alignments from a format string: fields separated by "|", each led by
    // an alignment mark ("<" left, "^" centre, ">" right). Sets the number of columns.
    void setFormatString(const QString& format);

    int Rows() const { return model()->rowCount() + 1; }
    void setRows(int rows);
    int Cols() const { return model()->columnCount(); }
    // A column's alignment, from the format string.
    Qt::Alignment ColAlignment(int col) const;

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);
    int ColSel() const { return m_colSel; }
    void setColSel(int col);
    int RowSel() const { return m_rowSel; }
    void setRowSel(int row);

    // A second row chosen anywhere with Ctrl+click (or Ctrl+Up and Ctrl+Down), to compare with the
    // current one; 0 for none.
    // Any other change of the current cell or the selection drops it.
    int OtherRow() const { return m_otherRow; }

    // The selected cells' texts: a tab between cells, a line end between rows.
    QString SelectedText() const;

    // 0: cell properties act on the current cell; 1: on every selected cell.
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style == 1 ? 1 : 0; }

    QString Text() const { return TextMatrix(m_row, m_col); }
    void setText(const QString& text);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // A background of 0 means the grid's default background; values read back as set.
    ColorValue CellBackColor() const;
    void setCellBackColor(ColorValue color);
    ColorValue CellForeColor() const;
    void setCellForeColor(ColorValue color);

    // Splits the text at tabs into the cells of a new row (column 0 first) inserted at index.
    void AddItem(const QString& text, int index);
    void RemoveItem(int index);

    int ColWidth(int col) const; // twips
    void setColWidth(int col, int twips);

    // Whether (row, col) lies in a selection of more than one cell (drawn highlighted).
    bool isHighlighted(int row, int col) const;
    QColor cellBackground() const { return m_cellBackground; }

signals:
    // Emitted after the pressed cell has become the current cell.
    void MouseDown(int button, int shift, float x, float y);
    void Scroll();
    // The current cell or the extent of the selection changed.
    void SelChange();
    void MouseUp(int button, int shift, float x, float y);
    // Enter or F2 on the current cell: a keyboard's way to do what a click on it does.
    void EditKey();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QModelIndex cell(int row, int col) const; // invalid for the titles row
    template <typename Fn> void forEachTarget(Fn fn);
    void applyTitles();
    // The model changed its rows: the current cell and the selection stay within them.
    void keepWithinRows();
    // The keyboard's selections: Shift with an arrow, Page Up or Down, Home or End stretches the
    // selection from the current cell; Ctrl+Up or Ctrl+Down chooses the row to compare. True when
    // the key was one of them.
    bool extendsSelection(int key, Qt::KeyboardModifiers modifiers);
    // Emits SelChange when the selection is not the one last announced.
    void announceSelection();

    int m_row = 1;
    int m_col = 0;
    int m_colSel = 0;
    int m_rowSel = 1;
    int m_fillStyle = 0;
    int m_otherRow = 0;
    QStandardItemModel* m_cells = nullptr; // the grid's own table
    QStringList m_titles;
    QList<Qt::Alignment> m_alignments;
    QColor m_cellBackground;
    std::array<int, 5> m_announced{1, 0, 1, 0, 0}; // row, col, end row, end col, other row
};
