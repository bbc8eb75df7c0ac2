#include "frontend/pages/widgets/improved_body_view.h"

#include "frontend/model/project_files.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

struct NullPort : ImprovedBodyPort {
  int dialogs = 0, whole_views = 0;
  void open_layer_dialog(int, bool, const std::array<std::string, 5>&) override { ++dialogs; }
  void view_whole_section() override { ++whole_views; }
  void refresh_section_extents() override {}
};

class ImprovedBodyViewTest : public ::testing::Test {
 protected:
  ImprovedBodyViewTest() {
    model::testing::Recorder rec;
    const std::string base =
        (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string();
    loaded = model::load_project_files(base, *m, rec);
    conditions.load();
    page.load();
    view.resize(300, 458);
    view.refresh();
    show_active(view);
  }
  void reload() {
    page.load();
    view.refresh();
  }
  AppFirst app_first;
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  bool loaded = false;
  RecordingEffects fx;
  NullPort port;
  DesignConditionsPage conditions{*m, fx};
  ImprovedBodyPage page{*m, fx, conditions, port};
  ImprovedBodyView view{page};
};

TEST_F(ImprovedBodyViewTest, ShapeTabAndFrameFollowThePattern) {
  ASSERT_TRUE(loaded);
  EXPECT_FALSE(view.inner_tabs()->isTabEnabled(1));  // block pattern
  conditions.choose_improvement_pattern(PatternChoice::wall);
  reload();
  EXPECT_TRUE(view.inner_tabs()->isTabEnabled(1));
  EXPECT_FALSE(view.wall_frame()->isHidden());
  EXPECT_TRUE(view.lattice_frame()->isHidden());
  conditions.choose_improvement_pattern(PatternChoice::lattice);
  reload();
  EXPECT_TRUE(view.inner_tabs()->isTabEnabled(1));
  EXPECT_TRUE(view.wall_frame()->isHidden());
  EXPECT_FALSE(view.lattice_frame()->isHidden());
  EXPECT_TRUE(view.body_box(kBoxY)->isHidden());  // Y is never shown
}

TEST_F(ImprovedBodyViewTest, RealFocusOutOfABodyBoxReshapesTheLayers) {
  ASSERT_TRUE(loaded);
  QLineEdit* box = view.body_box(kBoxDh1);
  box->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box->hasFocus());
  type_text(box, QStringLiteral("-22"));
  view.body_box(kBoxDh2)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->text().toStdString(), "-22.000");
  EXPECT_EQ(m->wall_blocks[1].block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(port.whole_views, 1);
}

TEST_F(ImprovedBodyViewTest, RegisterClearsTheChosenOperation) {
  ASSERT_TRUE(loaded);
  view.operation_option(section::kDeleteSoilBlock)->click();
  EXPECT_EQ(page.state().operation, section::kDeleteSoilBlock);
  view.register_button()->click();
  EXPECT_EQ(port.dialogs, 1);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(view.operation_option(i)->isChecked()) << i;
}

}  // namespace
}  // namespace qvt::pages
