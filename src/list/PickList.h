#pragma once
// The list of picks, newest first, as the table the list grid shows: a row for each pick and one
// empty row that always stays last (a description may be typed there too). Its six columns are
// the web code, the inverse's web code, red, green, blue and the description. The texts and cell
// colours are made from each pick's colour when asked for; only a description can be written.

#include "list/Pick.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The roles a list model answers beside Qt's own: a cell's background and text colours as colour
// values. A background of 0 means the grid's default; a cell without a text colour has none.
namespace CellRole {
constexpr int BackValue = Qt::UserRole + 1;
constexpr int ForeValue = Qt::UserRole + 2;
} // namespace CellRole

class PickList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { WebColorCol, WebBackCol, RedCol, GreenCol, BlueCol, DescriptionCol, kColumns };

    // The most characters a description keeps, however it arrives (typed, pasted, opened): far
    // more than any note needs, and little enough that painting a cell and printing a line stay
    // quick. A longer text is cut there.
    static constexpr int kMaxDescription = 4096;
    static QString CappedDescription(const QString& text);

    explicit PickList(QObject* parent = nullptr);

    // The picks, newest first; row `count()` is the empty last row.
    int count() const { return static_cast<int>(m_picks.size()); }
    const Pick& at(int row) const { return m_picks.at(row); }
    const QList<Pick>& picks() const { return m_picks; }

    // A new pick becomes the top row.
    void addOnTop(const Pick& pick);
    // Many at once, as if added one by one from the last: the first ends up on top.
    void addOnTop(const QList<Pick>& picks);
    // The description of a row (the empty last row's too); rows beyond it are left alone.
    QString description(int row) const;
    void setDescription(int row, const QString& text);
    // No picks, and an empty last row without a description.
    void clear();

    // The text of a pick's cell, and its background and text colours (a background of 0 would
    // show the grid's default, so a black one is kept visible as near-black).
    static QString CellText(const Pick& pick, int column);
    static ColorValue CellBack(Color color, int column);
    static ColorValue CellFore(Color color, int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Only a description is written (Qt::EditRole or Qt::DisplayRole, column 5).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // The column titles and their alignments, as the grid's format string gives them.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Picks go; the empty last row stays.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

private:
    QList<Pick> m_picks;
    QString m_lastDescription; // the empty last row's
    QStringList m_titles;
    QList<QVariant> m_titleAlignments;
};
