#pragma once
// Typing into a cell of an EditGrid as a person does: move there, open the cell's editor, type,
// press Return.
#include "frontend/widgets/edit_grid.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QAbstractItemModel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qvt::widgets::testing {

// Row and column as the forms count them: row 1 is the first data row.
inline void type_cell(EditGrid& grid, int row, int col, const QString& text) {
  grid.setFocus();
  grid.setCurrentCell(row - 1, col);
  QApplication::processEvents();
  if (QApplication::focusWidget() == &grid) grid.edit(grid.model()->index(row - 1, col));
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr) << "no cell editor opened at " << row << ", " << col;
  editor->selectAll();
  type_text(editor, text);
  key(editor, Qt::Key_Return);
  QApplication::processEvents();
}

}  // namespace qvt::widgets::testing
