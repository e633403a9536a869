#include "gui/TableModel.h"

#include <QColor>
#include <QFont>

namespace arkwell::gui {

namespace {

const QString kYes = QStringLiteral("Y");
const QString kNo = QStringLiteral("N");

}  // namespace

TableModel::TableModel(core::Table& table, QList<ColumnKind> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {}

TableModel::TableModel(core::Table& table, const core::TableLayout& layout, QObject* parent)
    : TableModel(table, layout.cellKinds, parent) {}

void TableModel::reload() {
  beginResetModel();
  endResetModel();
}

void TableModel::setTitles(const QStringList& titles) {
  for (int column = 0; column < titles.size(); ++column) table_.setCell(0, column, titles[column]);
  emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(titles.size()) - 1);
}

void TableModel::setTitles(const QList<int>& titleTexts, const text::TextTable& texts) {
  QStringList titles;
  for (int number : titleTexts) titles << texts[number];
  setTitles(titles);
}

int TableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.dataRowCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const QString text = table_.cell(index.row() + 1, index.column());
  if (activeRowStyle_ && (role == Qt::ForegroundRole || role == Qt::FontRole)) {
    const bool inactive = table_.cell(index.row() + 1, 0) == kNo;
    if (role == Qt::ForegroundRole) return inactive ? QColor(128, 128, 128) : QColor(0, 0, 255);
    QFont font;
    font.setItalic(inactive);
    return font;
  }
  const ColumnKind kind = columns_.value(index.column());
  if (kind == ColumnKind::Check) {
    if (role == Qt::CheckStateRole) return text == kYes ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole) return text;
  if (role == Qt::TextAlignmentRole && centered_.contains(index.column())) return int(Qt::AlignCenter);
  return {};
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid()) return false;
  const ColumnKind kind = columns_.value(index.column());
  QString text;
  if (kind == ColumnKind::Check && role == Qt::CheckStateRole) {
    text = value.toInt() == Qt::Checked ? kYes : kNo;
  } else if (kind == ColumnKind::Text && role == Qt::EditRole) {
    text = value.toString();
  } else {
    return false;
  }
  if (table_.cell(index.row() + 1, index.column()) == text) return true;
  table_.setCell(index.row() + 1, index.column(), text);
  emit dataChanged(index, index, {role});
  emit edited();
  return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  switch (columns_.value(index.column())) {
    case ColumnKind::Check: return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    case ColumnKind::Text: return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    case ColumnKind::ReadOnly: break;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return table_.cell(0, section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace arkwell::gui
