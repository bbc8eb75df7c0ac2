#pragma once
// A main window shown with the block-quay test section open, for the tests that click into
// its section picture: the picture, its widget and the pixel of a world point.
#include "frontend/model/folders.h"
#include "frontend/section/widgets/section_widget.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/tests/shell_test_support.h"

#include <QPointF>

#include <filesystem>
#include <memory>

namespace qvt::shell::testing {

inline std::filesystem::path block_quay_sample() {
  return std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay.MSJ";
}

class SampleWindowTest : public ShellTest {
 protected:
  SampleWindowTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    ui.files.push_back(QString::fromStdString(block_quay_sample().string()));
    window->open_project();
    ui.shown.clear();
  }

  section::SectionPicture& picture() { return window->view().picture(); }
  QWidget* pic() { return window->view().picture_widget(); }
  // The widget pixel of a world point (the picture works in twips, 15 to a pixel).
  QPointF pixel_of(double x, double y) {
    const section::ViewState& v = picture().view();
    return {(x - v.left_x) * v.scale / 15, (v.top_y - y) * v.scale / 15};
  }

  std::unique_ptr<MainWindow> window;
};

}  // namespace qvt::shell::testing
