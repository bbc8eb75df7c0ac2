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
    window->findChild<QRadioButton*>(QStringLiteral("category_6"))->click();
  }
  pages::EarthPressureView& view() { return window->pages().earth_pressure_view(); }
  std::string text(QLineEdit* box) { return box->text().toStdString(); }
};

// The sample's passive layer 1 is clay: φ 0, cohesion 30 growing by 2 a metre, unit weights
// 16 in air and 6 under water.
TEST_F(EarthPressureShellTest, SampleShowsThePassiveClayLayer) {
  ASSERT_EQ(window->current_page(), 6);
  EXPECT_TRUE(view().point_option(pages::PointOption::passive)->isChecked());  // chosen on arrival
  EXPECT_EQ(view().point_number()->text().toStdString(), "2");
  view().inner_tabs()->setCurrentIndex(1);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(view().inner_tabs()->currentIndex(), 1);
  EXPECT_TRUE(view().side_option(SIDE_PASSIVE)->isChecked());
  EXPECT_EQ(view().layer_number()->text().toStdString(), "1");
  EXPECT_EQ(text(view().layer_box(pages::LayerBox::phi)), "0.00");
  EXPECT_EQ(text(view().layer_box(pages::LayerBox::cohesion)), "30.000");
  EXPECT_EQ(text(view().layer_box(pages::LayerBox::cohesion_gradient)), "2.000");
  EXPECT_EQ(text(view().layer_box(pages::LayerBox::unit_weight_air)), "16.000");
  EXPECT_EQ(text(view().layer_box(pages::LayerBox::unit_weight_submerged)), "6.000");
  EXPECT_TRUE(view().soil_type_option(pages::SoilType::clay)->isChecked());
  EXPECT_EQ(view().soil_type_option(pages::SoilType::clay)->text().toStdString(), "粘性土");
  EXPECT_FALSE(view().layer_box(pages::LayerBox::phi)->isEnabled());
  EXPECT_TRUE(view().layer_box(pages::LayerBox::cohesion)->isEnabled());
  // The picture marks the layer of the layer tab.
  const section::PageState& state = window->view().page_state();
  EXPECT_EQ(state.inner_tab[6], 1);
  EXPECT_EQ(state.action_point_mode, 0);
  EXPECT_EQ(window->view().editor().pressure_tab, section::PressureTab::soil_layers);
}

TEST_F(EarthPressureShellTest, CategorySwitchLoadsAndCommitsTheSeabedRule) {
  const model::ProjectConditions& c = window->model().conditions;
  EXPECT_EQ(text(view().point_box(pages::PointBox::seabed_level)),
            model::format_pattern(c.active_seabed_level, "###0.000"));
  EXPECT_TRUE(view()
                  .point_option(c.active_seabed_rule != 0 ? pages::PointOption::seabed_typed
                                                          : pages::PointOption::seabed_at_passive_top)
                  ->isChecked());
  view().point_option(pages::PointOption::seabed_typed)->click();
  QLineEdit* level = view().point_box(pages::PointBox::seabed_level);
  level->setText(QStringLiteral("-12.5"));
  emit level->textEdited(level->text());
  window->choose_category(0);
  EXPECT_EQ(c.active_seabed_rule, 1);
  EXPECT_DOUBLE_EQ(c.active_seabed_level, -12.5);
}


}  // namespace
}  // namespace qvt::shell::testing
