#pragma once
// The editable table control of the dialogs and pages: a QTableWidget offering the operations the
// forms use - sizes in twips, title rows shown as the header, fixed columns that the user cannot
// edit, cell and whole-row text, the last data row in use, and one edit event after the user
// has changed a cell. Rows and columns are numbered as the forms number them: row 0 is the
// (first) title row, data rows follow. Every cell the user edits holds a number: a typed text
// that is not a number ("12abc" as much as "abc"), or a number no double holds, leaves the cell
// as it was and the status line says why (the notices of the number boxes); a text that stands
// is shown as the number the cell then holds, in its column's display pattern ("12" shows as
// 12.000), so a cell never shows one thing while holding another.
#include <QTableWidget>

#include <functional>
#include <map>
#include <string>

namespace qvt::widgets {

class EditGrid : public QTableWidget {
 public:
  explicit EditGrid(QWidget* parent = nullptr);
  using QTableWidget::edit;

  // Suspends painting while the grid is rebuilt.
  void set_painting(bool on);
  // Empties every cell.
  // (Not `reset`: that name is the item view's own virtual slot, which the model's reset calls.)
  void clear_cells();
  // Total rows, title rows included, and columns.
  void set_row_count(int rows);
  int row_count() const;
  void set_col_count(int cols);
  // Number of title rows; the first data row is this number.
  void set_title_rows(int rows);
  int title_rows() const { return title_rows_; }
  void set_fixed_cols(int cols);
  void set_col_width_twips(int col, int twips);
  // The display pattern of a column's numbers (model::format_pattern), "###0.000" until set.
  void set_col_pattern(int col, const std::string& pattern);
  // What a cell of column `col` shows once the user has committed `typed` (a text that stands):
  // the number it holds in the column's pattern; a blank text leaves the cell empty (its row is
  // then unused).
  QString committed_text(int col, const QString& typed) const;
  void set_control_width_twips(double twips);
  void set_grid_name(const QString& name) { setObjectName(name); }

  // Cell text by form row and column; row 0 is the title row.
  void set_cell(int row, int col, const QString& text);
  QString cell(int row, int col) const;
  // Writes a whole data row from text whose cells are separated by tab characters.
  void set_row_text(int row, const QString& text);
  // The number (form numbering) of the last data row with text in a column that is not fixed;
  // 0 when there is none.
  int last_row_in_use() const;

  // Raised after the user has changed a cell (not for changes made by code).
  std::function<void()> on_edited;

 protected:
  // Fixed columns are never opened for editing, also in rows not filled yet.
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

 private:
  int title_rows_ = 1;
  int fixed_cols_ = 0;
  std::map<int, std::string> col_patterns_;
  bool filling_ = false;
};

// Twips in screen pixels at 96 dots per inch.
inline int twips_to_pixels(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

}  // namespace qvt::widgets
