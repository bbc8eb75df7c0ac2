#include "frontend/widgets/edit_grid.h"

#include "frontend/model/display_text.h"
#include "frontend/widgets/text_box_focus.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QPalette>
#include <QStringList>

#include <algorithm>

namespace qvt::widgets {

namespace {

// Commits a cell's editor only when its text may stand as a number; otherwise the cell keeps
// what it held, so no edit event follows and the presenter never reads the typo as 0. A text
// that stands is written as the number it reads as, so the cell shows what the presenter takes.
class NumberCellDelegate : public QStyledItemDelegate {
 public:
  explicit NumberCellDelegate(EditGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void setModelData(QWidget* editor, QAbstractItemModel* item_model,
                    const QModelIndex& index) const override {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
      QStyledItemDelegate::setModelData(editor, item_model, index);
      return;
    }
    const QString typed = line->text();
    const auto verdict = model::typed_number(typed.toStdString(), -model::kBoxLimit, model::kBoxLimit);
    if (verdict != model::TypedNumber::stands) {
      TextBoxFocus::show_notice(verdict);
      return;
    }
    if (typed != index.data(Qt::EditRole).toString()) TextBoxFocus::clear_notice();
    item_model->setData(index, grid_->committed_text(index.column(), typed), Qt::EditRole);
  }

 private:
  EditGrid* grid_;
};

}  // namespace

EditGrid::EditGrid(QWidget* parent) : QTableWidget(parent) {
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Cells the user fills show their numbers as the filled ones do.
  auto* prototype = new QTableWidgetItem;
  prototype->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setItemPrototype(prototype);
  setItemDelegate(new NumberCellDelegate(this));
  connect(this, &QTableWidget::cellChanged, this, [this](int, int) {
    if (!filling_ && on_edited) on_edited();
  });
}

void EditGrid::set_painting(bool on) { setUpdatesEnabled(on); }

void EditGrid::clear_cells() {
  filling_ = true;
  clearContents();
  filling_ = false;
}

void EditGrid::set_row_count(int rows) { setRowCount(std::max(rows - title_rows_, 0)); }

int EditGrid::row_count() const { return rowCount() + title_rows_; }

void EditGrid::set_col_count(int cols) {
  setColumnCount(cols);
  setHorizontalHeaderLabels(QStringList());
}

void EditGrid::set_title_rows(int rows) {
  const int total = row_count();
  title_rows_ = std::max(rows, 0);
  horizontalHeader()->setVisible(title_rows_ > 0);
  set_row_count(total);
}

void EditGrid::set_fixed_cols(int cols) { fixed_cols_ = cols; }

void EditGrid::set_col_width_twips(int col, int twips) {
  setColumnWidth(col, twips_to_pixels(twips));
}

void EditGrid::set_col_pattern(int col, const std::string& pattern) { col_patterns_[col] = pattern; }

QString EditGrid::committed_text(int col, const QString& typed) const {
  if (typed.trimmed().isEmpty()) return {};
  const auto it = col_patterns_.find(col);
  const std::string pattern = it == col_patterns_.end() ? "###0.000" : it->second;
  return QString::fromStdString(model::format_pattern(model::leading_number(typed.toStdString()), pattern));
}

void EditGrid::set_control_width_twips(double twips) { setFixedWidth(twips_to_pixels(twips)); }

void EditGrid::set_cell(int row, int col, const QString& text) {
  if (col < 0 || col >= columnCount()) return;
  if (row < title_rows_) {
    // Title rows show as the header; the last one is what it shows.
    auto* item = horizontalHeaderItem(col);
    if (!item) {
      item = new QTableWidgetItem;
      setHorizontalHeaderItem(col, item);
    }
    item->setText(text);
    return;
  }
  const int r = row - title_rows_;
  if (r >= rowCount()) return;
  filling_ = true;
  QTableWidgetItem* it = item(r, col);
  if (!it) {
    it = new QTableWidgetItem;
    if (col < fixed_cols_) {
      it->setFlags(Qt::ItemIsEnabled);
      it->setBackground(palette().brush(QPalette::Button));
      it->setTextAlignment(Qt::AlignCenter);
    } else {
      it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    setItem(r, col, it);
  }
  it->setText(text);
  filling_ = false;
}

QString EditGrid::cell(int row, int col) const {
  if (row < title_rows_) {
    const QTableWidgetItem* h = horizontalHeaderItem(col);
    return h ? h->text() : QString();
  }
  const QTableWidgetItem* it = item(row - title_rows_, col);
  return it ? it->text() : QString();
}

void EditGrid::set_row_text(int row, const QString& text) {
  const QStringList cells = text.split(QLatin1Char('\t'));
  for (int c = 0; c < cells.size() && c < columnCount(); ++c) set_cell(row, c, cells[c]);
}

bool EditGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (index.isValid() && index.column() < fixed_cols_) return false;
  return QTableWidget::edit(index, trigger, event);
}

int EditGrid::last_row_in_use() const {
  for (int r = rowCount() - 1; r >= 0; --r)
    for (int c = fixed_cols_; c < columnCount(); ++c) {
      const QTableWidgetItem* it = item(r, c);
      if (it && !it->text().trimmed().isEmpty()) return r + title_rows_;
    }
  return 0;
}

}  // namespace qvt::widgets
