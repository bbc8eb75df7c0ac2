#include "frontend/pages/widgets/superstructure_view.h"

#include "frontend/model/project_files.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

struct NullPort : SuperstructurePort {
  void open_block_dialog(int, bool) override {}
  void refresh_section_extents() override {}
  bool drop_pending_edit() override { return false; }
};

class SuperstructureViewTest : public ::testing::Test {
 protected:
  SuperstructureViewTest() {
    model::testing::Recorder rec;
    const std::string base =
        (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string();
    loaded = model::load_project_files(base, *m, rec);
    page.load();
    view.resize(300, 458);
    view.refresh();
    show_active(view);
  }
  AppFirst app_first;
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  bool loaded = false;
  RecordingEffects fx;
  NullPort port;
  SuperstructurePage page{*m, fx, port};
  SuperstructureView view{page};
};

TEST_F(SuperstructureViewTest, ButtonsGreyOutOffRegister) {
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(view.operation_option(section::kRegisterWallBlock)->isChecked());
  EXPECT_TRUE(view.shape_button(kArbitraryShape)->isEnabled());
  view.operation_option(section::kDeleteWallBlock)->click();
  EXPECT_FALSE(view.shape_frame()->isEnabled());
  EXPECT_FALSE(view.shape_button(kArbitraryShape)->isEnabled());
  EXPECT_FALSE(view.shape_button(kRectangularShape)->isEnabled());
  view.operation_option(section::kRegisterWallBlock)->click();
  EXPECT_TRUE(view.shape_button(kRectangularShape)->isEnabled());
}

TEST_F(SuperstructureViewTest, LettersInXShowZeroAfterLeaving) {
  QLineEdit* box = view.check_point_box(kCheckPointX);
  box->setFocus();
  QApplication::processEvents();
  type_text(box, QStringLiteral("abc"));
  view.check_point_box(kCheckPointY)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->text().toStdString(), "0.000");
  page.store();
  EXPECT_EQ(m->conditions.body_reactions[0].check_x, 0);
  EXPECT_EQ(m->conditions.body_reactions[1].check_x, 0);
}

}  // namespace
}  // namespace qvt::pages
