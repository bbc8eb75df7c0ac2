// The earth-pressure category in the main window: the sample block quay shown on both inner
// tabs, and the category's load and commit reached through the category switch.
#include "frontend/model/display_text.h"
#include "frontend/pages/widgets/earth_pressure_view.h"
#include "frontend/shell/section_view.h"
#include "frontend/shell/tests/sample_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace qvt::shell::testing {
namespace {

class EarthPressureShellTest : public SampleWindowTest {
 protected:
  EarthPressureShellTest() {
    form->findChild<QRadioButton*>(QStringLiteral("opt_menu_6"))->click();
  }
  pages::EarthPressureView& view() { return form->pages().earth_pressure_view(); }
  std::string text(QLineEdit* box) { return box->text().toStdString(); }
};

// The sample's passive layer 1 is clay: φ 0, cohesion 30 growing by 2 a metre, unit weights
// 16 in air and 6 under water.
TEST_F(EarthPressureShellTest, SampleShowsThePassiveClayLayer) {
  ASSERT_EQ(form->current_page(), 6);
  EXPECT_TRUE(view().opt_gm4(0)->isChecked());  // chosen on arrival
  EXPECT_EQ(view().lbl_gm4()->text().toStdString(), "2");
  view().tab_gm6()->setCurrentIndex(1);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(view().tab_gm6()->currentIndex(), 1);
  EXPECT_TRUE(view().opt_gm5(0)->isChecked());
  EXPECT_EQ(view().lbl_gm5()->text().toStdString(), "1");
  EXPECT_EQ(text(view().txt_gm5(0)), "0.00");
  EXPECT_EQ(text(view().txt_gm5(1)), "30.000");
  EXPECT_EQ(text(view().txt_gm5(2)), "2.000");
  EXPECT_EQ(text(view().txt_gm5(3)), "16.000");
  EXPECT_EQ(text(view().txt_gm5(4)), "6.000");
  EXPECT_TRUE(view().opt_gmd5(1)->isChecked());
  EXPECT_EQ(view().opt_gmd5(1)->text().toStdString(), "粘性土");
  EXPECT_FALSE(view().txt_gm5(0)->isEnabled());
  EXPECT_TRUE(view().txt_gm5(1)->isEnabled());
  // The picture marks the layer of the layer tab.
  const section::PageState& state = form->view().page_state();
  EXPECT_EQ(state.inner_tab[6], 1);
  EXPECT_EQ(state.opt_gm4, 0);
  EXPECT_EQ(form->view().editor().ed_mode, 2);
}

TEST_F(EarthPressureShellTest, CategorySwitchLoadsAndCommitsTheSeabedRule) {
  const model::ProjectConditions& c = form->model().conditions;
  EXPECT_EQ(text(view().txt_gm4(2)), model::format_pattern(c.active_seabed_level, "###0.000"));
  EXPECT_TRUE(view().opt_gm4(c.active_seabed_rule != 0 ? 4 : 3)->isChecked());
  view().opt_gm4(4)->click();
  QLineEdit* level = view().txt_gm4(2);
  level->setText(QStringLiteral("-12.5"));
  emit level->textEdited(level->text());
  form->choose_category(0);
  EXPECT_EQ(c.active_seabed_rule, 1);
  EXPECT_DOUBLE_EQ(c.active_seabed_level, -12.5);
}


}  // namespace
}  // namespace qvt::shell::testing
