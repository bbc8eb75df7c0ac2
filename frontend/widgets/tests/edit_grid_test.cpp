#include "frontend/widgets/edit_grid.h"

#include "frontend/widgets/tests/edit_grid_input.h"
#include "frontend/widgets/text_box_focus.h"

#include <QAbstractItemModel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qvt::widgets {
namespace {

using namespace testing;

// A grid laid out as the pages lay out theirs: a heading row, a fixed number column and
// `rows` rows in all.
class EditGridTest : public ::testing::Test {
 protected:
  void lay_out(int rows, int cols) {
    grid.set_painting(false);
    grid.clear_cells();
    grid.set_title_rows(1);
    grid.set_row_count(rows);
    grid.set_col_count(cols);
    grid.set_fixed_cols(1);
    grid.set_cell(0, 0, QStringLiteral("No."));
    grid.set_painting(true);
  }

  bool app_ready = (app(), true);  // before the first widget
  EditGrid grid;
  int edits = 0;
};

TEST_F(EditGridTest, RowTextFillsCellsAndCodeRaisesNoEdit) {
  lay_out(6, 5);
  grid.on_edited = [this] { ++edits; };
  grid.set_row_text(2, QStringLiteral("2\t1.000\t\t3.50\t4\textra"));
  EXPECT_EQ(grid.cell(0, 0).toStdString(), "No.");
  EXPECT_EQ(grid.cell(2, 0).toStdString(), "2");
  EXPECT_EQ(grid.cell(2, 1).toStdString(), "1.000");
  EXPECT_EQ(grid.cell(2, 2).toStdString(), "");
  EXPECT_EQ(grid.cell(2, 4).toStdString(), "4");  // fields beyond the columns are dropped
  grid.set_cell(3, 1, QStringLiteral("9"));
  grid.clear_cells();
  EXPECT_EQ(grid.cell(2, 1).toStdString(), "");
  EXPECT_EQ(edits, 0);
}

TEST_F(EditGridTest, CapacityIsFixedWithTheHeadingRow) {
  for (const int rows : {81, 4, 6}) {
    lay_out(rows, 3);
    EXPECT_EQ(grid.row_count(), rows);
    EXPECT_EQ(grid.rowCount(), rows - 1) << "data rows";
    grid.set_row_text(rows, QStringLiteral("x\t1\t2"));  // past the last row: nothing
    EXPECT_EQ(grid.cell(rows, 1).toStdString(), "");
    EXPECT_EQ(grid.last_row_in_use(), 0);
    grid.set_row_text(rows - 1, QStringLiteral("\t1\t2"));
    EXPECT_EQ(grid.last_row_in_use(), rows - 1);
  }
}

struct InUseCase {
  const char* name;
  std::vector<std::pair<int, int>> filled;  // (row, column) given the text "1"
  const char* blank_text;                   // written into row 5, column 2
  int last;
};

TEST_F(EditGridTest, LastRowInUseIsTheLastWithADataCell) {
  const InUseCase cases[] = {
      {"empty", {}, "", 0},
      {"one data cell far down", {{1, 1}, {4, 2}}, "", 4},
      {"number column alone does not count", {{1, 1}, {6, 0}}, "", 1},
      {"blank text does not count", {{2, 1}}, "   ", 2},
      {"a blank row inside counts with the rows around it", {{1, 1}, {3, 2}}, "", 3},
  };
  for (const InUseCase& k : cases) {
    lay_out(10, 3);
    for (auto [r, c] : k.filled) grid.set_cell(r, c, QStringLiteral("1"));
    grid.set_cell(5, 2, QString::fromUtf8(k.blank_text));
    EXPECT_EQ(grid.last_row_in_use(), k.last) << k.name;
  }
}

TEST_F(EditGridTest, ATypedCellRaisesOneEditAndTheNumberColumnStaysClosed) {
  lay_out(6, 3);
  grid.set_row_text(1, QStringLiteral("1\t1.000\t2.000"));
  grid.on_edited = [this] { ++edits; };
  show_active(grid);
  type_cell(grid, 3, 2, QStringLiteral("7.5"));
  EXPECT_EQ(grid.cell(3, 2).toStdString(), "7.500");
  EXPECT_EQ(edits, 1);
  EXPECT_EQ(grid.last_row_in_use(), 3);
  // The number column does not open for typing.
  grid.setCurrentCell(1, 0);
  QApplication::processEvents();
  grid.edit(grid.model()->index(1, 0));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), &grid);
  EXPECT_EQ(edits, 1);
  // Writing by code afterwards still raises nothing.
  grid.set_row_text(4, QStringLiteral("4\t1\t1"));
  EXPECT_EQ(edits, 1);
}

// A cell keeps what it held when the typed text is not a number ("3m" as much as "abc") or a
// number no double holds or beyond the section's extent: no edit is raised, so nothing reads the
// typo as 0 or as the digits in front, and the status line says why. A valid entry stands, shown as the number it reads as, and clears the
// notice; emptying a cell stands (the row is then unused).
TEST_F(EditGridTest, ACellTypoKeepsTheCell) {
  struct Case {
    const char* typed;
    const char* after;
    const char* notice;  // what the status line shows afterwards
  } cases[] = {
      {"abc", "2.000", kMsgNotANumber}, {"1e999", "2.000", kMsgOutOfRange},
      {"-", "2.000", kMsgNotANumber},   {"3m", "2.000", kMsgNotANumber},
      {"3", "3.000", ""},
      {"-4.5", "-4.500", ""},           {"200000", "2.000", kMsgOutOfRange},
      {"-100000", "-100000.000", ""},   {" ", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    lay_out(6, 3);
    grid.set_row_text(1, QStringLiteral("1\t1.000\t2.000"));
    edits = 0;
    grid.on_edited = [this] { ++edits; };
    std::string shown = "earlier notice";
    TextBoxFocus::set_status_line([&](const std::string& t) { shown = t; });
    if (!*c.notice) TextBoxFocus::show_notice(model::TypedNumber::no_number);
    show_active(grid);
    type_cell(grid, 1, 2, QString::fromUtf8(c.typed));
    EXPECT_EQ(grid.cell(1, 2).toStdString(), c.after);
    EXPECT_EQ(edits, *c.notice ? 0 : 1);
    EXPECT_EQ(shown, c.notice);
    TextBoxFocus::set_status_line({});
  }
}

// A cell shows the value it holds, in its column's pattern; a pasted range of cells
// ("12.5\r\n34", "12.5\t34") gives its first value, never the digits run together; a text the
// cell cannot hold ("12abc") leaves the cell as it was.
TEST_F(EditGridTest, ACommittedCellShowsTheValueItHolds) {
  struct Case {
    const char* entered;
    const char* shown;
    int edits;
  } cases[] = {
      {"12abc", "2.00", 0},         {"12.5\r\n34", "12.50", 1}, {"12.5\t34\r\n", "12.50", 1},
      {" -0.004 ", "0.00", 1},      {"1.005", "1.01", 1},       {"2", "2.00", 0},
      {"\r\nabc", "2.00", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entered);
    lay_out(6, 3);
    grid.set_col_pattern(1, "##0.00");
    grid.set_row_text(1, QStringLiteral("1\t2.00\t5.000"));
    edits = 0;
    grid.on_edited = [this] { ++edits; };
    show_active(grid);
    grid.setFocus();
    grid.setCurrentCell(0, 1);
    QApplication::processEvents();
    grid.edit(grid.model()->index(0, 1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insert(QString::fromUtf8(c.entered));  // as a paste puts it in
    key(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.cell(1, 1).toStdString(), c.shown);
    EXPECT_EQ(edits, c.edits);
  }
  // A column without a pattern of its own shows three decimals, as the vertex tables do.
  lay_out(6, 3);
  show_active(grid);
  type_cell(grid, 2, 2, QStringLiteral("4.5"));
  EXPECT_EQ(grid.cell(2, 2).toStdString(), "4.500");
}

}  // namespace
}  // namespace qvt::widgets
