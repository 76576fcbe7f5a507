#include "list/PickList.h"

#include "readout/ColorCodes.h"

namespace {
// A cell background of 0 means "the list's default": a picked black is kept visible as this.
constexpr ColorValue kNearBlack = 0x010101;
} // namespace

QString PickList::CappedDescription(const QString& text) {
    if (text.size() <= kMaxDescription) {
        return text;
    }
    // Never half of a character that takes two code units.
    const int cut =
        text[kMaxDescription - 1].isHighSurrogate() ? kMaxDescription - 1 : kMaxDescription;
    return text.left(cut);
}

PickList::PickList(QObject* parent)
    : QAbstractTableModel(parent), m_titles(kColumns), m_titleAlignments(kColumns) {}

void PickList::addOnTop(const Pick& pick) {
    beginInsertRows(QModelIndex(), 0, 0);
    m_picks.prepend(pick);
    m_picks.front().description = CappedDescription(pick.description);
    endInsertRows();
}

void PickList::addOnTop(const QList<Pick>& picks) {
    if (picks.isEmpty()) {
        return;
    }
    beginInsertRows(QModelIndex(), 0, static_cast<int>(picks.size()) - 1);
    m_picks = picks + m_picks;
    for (qsizetype i = 0; i < picks.size(); ++i) {
        if (m_picks[i].description.size() > kMaxDescription) {
            m_picks[i].description = CappedDescription(m_picks[i].description);
        }
    }
    endInsertRows();
}

QString PickList::description(int row) const {
    if (row >= 0 && row < count()) {
        return m_picks[row].description;
    }
    return row == count() ? m_lastDescription : QString();
}

void PickList::setDescription(int row, const QString& text) {
    if (row < 0 || row > count()) {
        return;
    }
    QString& description = row < count() ? m_picks[row].description : m_lastDescription;
    const QString capped = CappedDescription(text);
    // The editor writes on every key; a key that changes nothing tells the views nothing.
    if (capped == description) {
        return;
    }
    description = capped;
    const QModelIndex cell = index(row, DescriptionCol);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void PickList::clear() {
    beginResetModel();
    m_picks.clear();
    m_lastDescription.clear();
    endResetModel();
}

QString PickList::CellText(const Pick& pick, int column) {
    switch (column) {
    case WebColorCol:
        return WebCode(pick.color);
    case WebBackCol:
        return WebCode(pick.color.inverse());
    case RedCol:
        return NumberText(pick.color.red());
    case GreenCol:
        return NumberText(pick.color.green());
    case BlueCol:
        return NumberText(pick.color.blue());
    case DescriptionCol:
        return pick.description;
    default:
        return QString();
    }
}

ColorValue PickList::CellBack(Color color, int column) {
    const auto visible = [](Color c) { return c.value() == 0 ? kNearBlack : c.value(); };
    switch (column) {
    case WebColorCol:
        return visible(color);
    case WebBackCol:
        return visible(color.inverse());
    default:
        return 0;
    }
}

ColorValue PickList::CellFore(Color color, int column) {
    // Each of the first two cells shows its text in the other's colour.
    return column == WebColorCol ? color.inverse().value() : color.value();
}

int PickList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count() + 1;
}

int PickList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant PickList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() > count()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    const bool pick = row < count();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return pick                       ? CellText(m_picks[row], column)
               : column == DescriptionCol ? m_lastDescription
                                          : QString();
    case CellRole::BackValue:
        return pick ? CellBack(m_picks[row].color, column) : 0;
    case CellRole::ForeValue:
        if (pick && (column == WebColorCol || column == WebBackCol)) {
            return CellFore(m_picks[row].color, column);
        }
        return {};
    default:
        return {};
    }
}

bool PickList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != DescriptionCol ||
        (role != Qt::EditRole && role != Qt::DisplayRole)) {
        return false;
    }
    setDescription(index.row(), value.toString());
    return true;
}

QVariant PickList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section >= 0 && section < kColumns) {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            return m_titles[section];
        }
        if (role == Qt::TextAlignmentRole) {
            return m_titleAlignments[section];
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool PickList::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                             int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) {
        return false;
    }
    if (role == Qt::TextAlignmentRole) {
        m_titleAlignments[section] = value;
    } else if (role == Qt::EditRole || role == Qt::DisplayRole) {
        m_titles[section] = value.toString();
    } else {
        return false;
    }
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags PickList::flags(const QModelIndex& index) const {
    // The grid edits descriptions with an editor of its own, not the view's.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool PickList::removeRows(int row, int rows, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || rows < 1 || row + rows > count()) {
        return false;
    }
    beginRemoveRows(parent, row, row + rows - 1);
    m_picks.remove(row, rows);
    endRemoveRows();
    return true;
}
