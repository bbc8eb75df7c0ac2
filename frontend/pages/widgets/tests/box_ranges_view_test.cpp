// The number boxes and grid cells of the pages hold the physical quantities of the conditions
// file to the range the engines' reader holds them to: a value no ground or load can have goes
// back to the box's previous value with the out-of-range notice; the ends of the range stand.
#include "frontend/pages/box_ranges.h"
#include "frontend/pages/tests/page_test_support.h"
#include "frontend/pages/widgets/bearing_layer_view.h"
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/earth_pressure_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/widgets/tests/edit_grid_input.h"
#include "frontend/widgets/text_box_focus.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

struct Entry {
  const char* typed;
  const char* shown;  // the box's text after it lost the focus
  bool notice;        // the out-of-range notice is shown
};

// Captures the notices of the number boxes while it lives.
class Notices {
 public:
  Notices() {
    widgets::TextBoxFocus::set_status_line([this](const std::string& s) { lines.push_back(s); });
  }
  ~Notices() { widgets::TextBoxFocus::set_status_line({}); }
  std::vector<std::string> lines;
};

// Types over `box` and leaves it for `next`, as a person does.
void enter(QLineEdit* box, QLineEdit* next, const char* typed) {
  box->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box->hasFocus());
  if (*typed)
    type_text(box, QString::fromUtf8(typed));
  else
    key(box, Qt::Key_Backspace);  // the whole text is selected: the box is emptied
  next->setFocus();
  QApplication::processEvents();
  QApplication::processEvents();
}

void check_entries(QLineEdit* box, QLineEdit* next, const std::vector<Entry>& entries,
                   const char* what) {
  for (const Entry& e : entries) {
    SCOPED_TRACE(std::string(what) + " typed " + e.typed);
    Notices notices;
    enter(box, next, e.typed);
    EXPECT_EQ(box->text().toStdString(), e.shown);
    const bool shown = !notices.lines.empty() && notices.lines.back() == widgets::kMsgOutOfRange;
    EXPECT_EQ(shown, e.notice);
  }
}

// The page's own notice for a grid cell is the boxes' notice, byte for byte.
TEST(BoxRanges, GridNoticeIsTheBoxNotice) {
  EXPECT_STREQ(kMsgValueOutOfRange, widgets::kMsgOutOfRange);
}

class DesignConditionsRanges : public ::testing::Test {
 protected:
  DesignConditionsRanges() {
    m.conditions.water_unit_weight = 10.1;
    page.load();
    view.resize(784, 470);
    view.refresh();
    show_active(view);
  }
  QLineEdit* box(BoxId id) { return view.txt(id); }
  AppFirst app_first;
  model::ProjectModel m;
  RecordingEffects fx;
  DesignConditionsPage page{m, fx};
  DesignConditionsView view{page};
};

// Water unit weight (0, 20]: 0, a negative value and an empty box (read as 0) go back; the
// improvement ratio (0, 100]; the liquefied pressure coefficient [0, 1].
TEST_F(DesignConditionsRanges, BasicConditions) {
  QLineEdit* water = box(kWaterUnitWeightBox);
  QLineEdit* next = box(kCohesionLevelBox);
  check_entries(water, next,
                {{"0", "10.100", true},
                 {"-10.1", "10.100", true},
                 {"", "10.100", true},
                 {"20.001", "10.100", true},
                 {"9.8", "9.800", false},
                 {"20", "20.000", false}},
                "water unit weight");
  page.store();
  EXPECT_EQ(m.conditions.water_unit_weight, 20);
  check_entries(box(kLiquefiedCoefBox), next, {{"1.5", "1.0", true}, {"-0.5", "1.0", true}},
                "liquefied pressure coefficient");
  check_entries(box(kImprovementRatioBox), next, {{"0", "100.0", true}, {"100.1", "100.0", true}},
                "improvement ratio");
}

// Seismic coefficients [0, 1] on the seismic tab.
TEST_F(DesignConditionsRanges, SeismicCoefficients) {
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  for (BoxId id : {kSeismicCoefEarthBox, kSeismicCoefInertiaBox, kApparentCoefBox}) {
    QLineEdit* b = box(id);
    QLineEdit* other = box(id.index == kSeismicCoefEarthBox.index ? kSeismicCoefInertiaBox
                                                                  : kSeismicCoefEarthBox);
    if (!b->isEnabled()) continue;  // the apparent coefficient box is enabled by its method
    const std::string before = b->text().toStdString();
    check_entries(b, other,
                  {{"-0.1", before.c_str(), true}, {"1.01", before.c_str(), true}},
                  "seismic coefficient");
    check_entries(b, other, {{"1", "1.00", false}, {"0", "0.00", false}},
                  "seismic coefficient");
  }
}

// A box of one decimal takes no value it would show as 0.0 where 0 is outside its quantity:
// the improvement ratio (0, 100] and the safety factors (0, 100] take 0.1 and more, so 0.04 (shown
// 0.0 and kept as 0, which every engine refuses) and 0.05 go back. The spread angle is typed as
// shown, 0 up to 90 (the file keeps it less 30): 90 itself would spread the reaction over an
// endless width.
TEST_F(DesignConditionsRanges, ValuesTheBoxShowsWithinTheRange) {
  QLineEdit* next = box(kCohesionLevelBox);
  check_entries(box(kImprovementRatioBox), next,
                {{"0.04", "100.0", true}, {"0.05", "100.0", true}, {"0.1", "0.1", false},
                 {"12.34", "12.3", false}},
                "improvement ratio");
  const BoxId sliding = safety_factor_box(kSlidingCheck, model::CASE_NORMAL);
  check_entries(box(sliding), next, {{"0.04", "1.2", true}, {"1.25", "1.3", false}},
                "safety factor");
  page.store();
  EXPECT_DOUBLE_EQ(m.conditions.improvement_ratio, 12.3);
  EXPECT_DOUBLE_EQ(m.conditions.safety_factors[model::CASE_NORMAL][kSlidingCheck], 1.3);

  view.inner_tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  QLineEdit* angle = box(kSpreadAngleNormalBox);
  check_entries(angle, box(kSpreadWidthNormalBox),
                {{"99", "30.000", true}, {"90", "30.000", true}, {"-1", "30.000", true},
                 {"89.999", "89.999", false}, {"0", "0.000", false}, {"45", "45.000", false}},
                "spread angle");
  page.store();
  EXPECT_DOUBLE_EQ(m.conditions.body_reactions[model::CASE_NORMAL].spread_angle, 15);  // 45 - 30
}

// The design coefficient computed from the three factors is held to the range of a typed one,
// [0, 1]: a factor that would take the product above 1, as the coefficient box shows it, goes
// back; the product reaches 1 and no further. Each row leaves the factors as the previous row
// left them; the coefficient is the product of the factors shown, to the two decimals its box
// shows.
TEST_F(DesignConditionsRanges, FactorsMultiplyToASeismicCoefficient) {
  model::ProjectConditions& c = m.conditions;
  c.seismic_coef_mode = 1;
  c.regional_coef[0] = 0.2, c.ground_type_factor[0] = 1, c.importance_factor[0] = 1;
  c.regional_coef[1] = 0.3, c.ground_type_factor[1] = 1, c.importance_factor[1] = 1;
  c.seismic_coef_earth = 0.2;
  c.seismic_coef_inertia = 0.3;
  page.load();
  view.refresh();
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  struct Row {
    BoxId factor;
    const char* typed;
    const char* shown;
    const char* coefficient;
    bool notice;
  } rows[] = {
      // 0.25 x 1.0 x 1.0 = 0.25
      {kRegionalEarthBox, "0.25", "0.25", "0.25", false},
      // 0.25 x 2.0 x 1.0 = 0.50
      {kGroundTypeEarthBox, "2", "2.0", "0.50", false},
      // 0.25 x 2.0 x 2.0 = 1.00: the top of the range stands
      {kImportanceEarthBox, "2", "2.0", "1.00", false},
      // 0.25 x 2.0 x 2.1 = 1.05 > 1: back to 2.0
      {kImportanceEarthBox, "2.1", "2.0", "1.00", true},
      // 0.26 x 2.0 x 2.0 = 1.04 > 1: back to 0.25
      {kRegionalEarthBox, "0.26", "0.25", "1.00", true},
      // 2.04 is kept as 2.0 (one decimal): 0.25 x 2.0 x 2.0 = 1.00 stands
      {kGroundTypeEarthBox, "2.04", "2.0", "1.00", false},
      // 0.2 x 2.0 x 2.0 = 0.80
      {kRegionalEarthBox, "0.2", "0.20", "0.80", false},
      // the inertia column on its own: 0.3 x 1.0 x 3.0 = 0.90, then 0.4 x 1.0 x 3.0 = 1.20 > 1
      {kImportanceInertiaBox, "3", "3.0", "0.90", false},
      {kRegionalInertiaBox, "0.4", "0.30", "0.90", true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string("factor ") + std::to_string(r.factor.index) + " typed " + r.typed);
    const bool earth = r.factor.index <= kImportanceEarthBox.index;
    QLineEdit* next = box(earth ? kRegionalInertiaBox : kRegionalEarthBox);
    Notices notices;
    enter(box(r.factor), next, r.typed);
    EXPECT_EQ(box(r.factor)->text().toStdString(), r.shown);
    EXPECT_EQ(box(earth ? kSeismicCoefEarthBox : kSeismicCoefInertiaBox)->text().toStdString(),
              r.coefficient);
    const bool shown = !notices.lines.empty() && notices.lines.back() == widgets::kMsgOutOfRange;
    EXPECT_EQ(shown, r.notice);
  }
  page.store();
  EXPECT_DOUBLE_EQ(m.conditions.seismic_coef_earth, 0.8);
  EXPECT_DOUBLE_EQ(m.conditions.seismic_coef_inertia, 0.9);
}

class GroundSurfaceRanges : public ::testing::Test {
 protected:
  GroundSurfaceRanges() {
    m.conditions.surface_shape = 1;
    m.conditions.embankment_layers[0] = {4, 18, 10};
    m.conditions.surcharge_ranges[0] = {0, 10, {10, 5}};
    page.load();
    view.refresh();
    view.resize(300, 458);
    show_active(view);
  }
  AppFirst app_first;
  model::ProjectModel m;
  RecordingEffects fx;
  GroundSurfacePage page{m, fx, [] {}};
  GroundSurfaceView view{page};
};

// Slopes (-90, 90) and surcharges [0, 1e4] in the boxes; unit weights of the embankment and
// the loads of the surcharge ranges in the grids: a negative value goes back with the notice.
TEST_F(GroundSurfaceRanges, BoxesAndGridCells) {
  // The straight surface shows the slope and surcharge boxes.
  page.choose_surface_option(SurfaceOption::straight);
  view.refresh();
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  check_entries(view.box(GroundBox::surface_slope), view.box(GroundBox::seabed_slope),
                {{"90", "0.000", true}, {"-90", "0.000", true}, {"89.999", "89.999", false}},
                "surface slope");
  view.inner_tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  check_entries(view.box(GroundBox::surface_surcharge_normal),
                view.box(GroundBox::surface_surcharge_seismic),
                {{"-10", "0.000", true}, {"10", "10.000", false}},
                "surface surcharge");

  page.choose_surface_option(SurfaceOption::arbitrary);
  view.refresh();
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  widgets::EditGrid* layers = view.grid(GroundGrid::layers);
  fx.status.clear();
  type_cell(*layers, 1, 2, QStringLiteral("-18"));
  EXPECT_EQ(layers->cell(1, 2).toStdString(), "18.000");
  EXPECT_EQ(page.state().layer_rows[0].unit_weight_air, 18);
  ASSERT_FALSE(fx.status.empty());
  EXPECT_EQ(fx.status.back(), kMsgValueOutOfRange);
  type_cell(*layers, 1, 3, QStringLiteral("9.5"));
  EXPECT_EQ(page.state().layer_rows[0].unit_weight_submerged, 9.5);

  view.inner_tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  widgets::EditGrid* ranges = view.grid(GroundGrid::ranges);
  fx.status.clear();
  type_cell(*ranges, 1, 4, QStringLiteral("-5"));
  EXPECT_EQ(page.state().range_rows[0].load_seismic, 5);
  EXPECT_EQ(ranges->cell(1, 4).toStdString(), "5.000");
  ASSERT_FALSE(fx.status.empty());
  EXPECT_EQ(fx.status.back(), kMsgValueOutOfRange);
  // A negative x is a place, not a load: it stands.
  type_cell(*ranges, 1, 1, QStringLiteral("-3"));
  EXPECT_EQ(page.state().range_rows[0].x_min, -3);
}

class BearingLayerRanges : public ::testing::Test {
 protected:
  BearingLayerRanges() {
    m.conditions.bearing_layer.unit_weight = 10;
    m.conditions.bearing_layer.phi = 40;
    page.load();
    view.refresh();
    show_active(view);
  }
  AppFirst app_first;
  model::ProjectModel m;
  RecordingEffects fx;
  BearingLayerPage page{m, fx, [] { return false; }};
  BearingLayerView view{page};
};

TEST_F(BearingLayerRanges, UnitWeightFrictionAngleAndN) {
  check_entries(view.box(kSandyUnitWeightBox), view.box(kShapeFactorBox), {{"0", "10.000", true}, {"18", "18.000", false}},
                "unit weight");
  // (A negative φ is the page's sign to take the proposal from N: it never reaches the range.)
  check_entries(view.box(kPhiBox), view.box(kShapeFactorBox), {{"61", "40.000", true}, {"60", "60.000", false}},
                "phi");
  const std::string n = view.box(kMeanNBox)->text().toStdString();
  check_entries(view.box(kMeanNBox), view.box(kShapeFactorBox), {{"1001", n.c_str(), true}, {"-1", n.c_str(), true}},
                "mean N");
}

// The cohesion gradient K of the bearing layer: c = Co + K z must not fall below 0 with depth.
TEST_F(BearingLayerRanges, CohesionGradient) {
  page.choose_option(kClayeyGround);
  view.refresh();
  QApplication::processEvents();
  check_entries(view.box(kCohesionGradientBox), view.box(kCohesionBox),
                {{"-4", "0.000", true}, {"-0.001", "0.000", true}, {"2.5", "2.500", false},
                 {"0", "0.000", false}},
                "cohesion gradient");
}

// The layer the soil layer boxes edit is one the engines compute with: its unit weights in air
// and under water are above 0 (a layer of no weight presses on nothing), as the bearing layer's
// are. Its slurry unit weight is 0 until the layer is liquefied, and above 0 from then on.
class EarthPressureRanges : public ::testing::Test {
 protected:
  EarthPressureRanges() {
    auto& p = m.conditions.pressure_points;
    p[0].count = 2;
    p[0].x = {-5, -5};
    p[0].y = {-10, -25};
    p[1].count = 2;
    p[1].x = {20, 20};
    p[1].y = {3, -25};
    for (auto& side : m.conditions.soil_layers) {
      side[0].unit_weight_air = 18;
      side[0].unit_weight_submerged = 10;
    }
    page.load();
    page.arrive();
    view.resize(300, 458);
    view.refresh();
    show_active(view);
    view.inner_tabs()->setCurrentIndex(1);
    QApplication::processEvents();
  }
  QLineEdit* box(LayerBox b) { return view.layer_box(b); }
  AppFirst app_first;
  model::ProjectModel m;
  RecordingEffects fx;
  section::EditorState editor;
  EarthPressurePage page{m, fx, editor};
  EarthPressureView view{page};
};

TEST_F(EarthPressureRanges, UnitWeightsOfALayerInUse) {
  for (int side : {SIDE_PASSIVE, SIDE_ACTIVE}) {
    view.side_option(side)->setFocus();  // as a click on the option gives it
    view.side_option(side)->click();
    QApplication::processEvents();
    const std::string what = side == SIDE_PASSIVE ? "passive " : "active ";
    check_entries(box(LayerBox::unit_weight_submerged), box(LayerBox::unit_weight_air),
                  {{"0", "10.000", true}, {"", "10.000", true}, {"-1", "10.000", true},
                   {"0.001", "0.001", false}, {"9.5", "9.500", false}},
                  (what + "submerged").c_str());
    check_entries(box(LayerBox::unit_weight_air), box(LayerBox::unit_weight_submerged),
                  {{"0", "18.000", true}, {"17", "17.000", false}}, (what + "air").c_str());
    EXPECT_EQ(m.conditions.soil_layers[side][0].unit_weight_submerged, 9.5);
    EXPECT_EQ(m.conditions.soil_layers[side][0].unit_weight_air, 17);
  }
  // The active side: the slurry of a layer not liquefied stays 0; once liquefied it has weight.
  QLineEdit* slurry = box(LayerBox::slurry_unit_weight);
  check_entries(slurry, box(LayerBox::unit_weight_air), {{"0", "0.000", false}}, "slurry, dry");
  view.liquefied()->click();
  QApplication::processEvents();
  check_entries(slurry, box(LayerBox::unit_weight_air),
                {{"0", "0.000", true}, {"-2", "0.000", true}, {"12", "12.000", false}},
                "slurry, liquefied");
  EXPECT_EQ(m.conditions.soil_layers[SIDE_ACTIVE][0].slurry_unit_weight, 12);
}

// Every box of the soil layers holds its quantity; the gradient is left free (cohesion may
// fall with depth in a crust).
TEST(BoxRanges, QuantitiesBehindTheBoxes) {
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::phi), COND_FRICTION_ANGLE);
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::cohesion), COND_COHESION);
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::cohesion_gradient), std::nullopt);
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::unit_weight_air), COND_SOIL_UNIT_WEIGHT);
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::unit_weight_submerged), COND_SOIL_UNIT_WEIGHT);
  EXPECT_EQ(earth_pressure_box_quantity(LayerBox::slurry_unit_weight), COND_SLURRY_UNIT_WEIGHT);
  EXPECT_EQ(design_conditions_box_quantity(kRwlBox), std::nullopt);  // R.W.L.
  EXPECT_EQ(design_conditions_box_quantity(surcharge_box(0, kSurchargeNormal)), COND_SURCHARGE);
  EXPECT_EQ(design_conditions_box_quantity(surcharge_box(1, kSurchargeXmin)), std::nullopt);  // x_min
  EXPECT_EQ(design_conditions_box_quantity(kReactionSeismicBox), COND_BODY_REACTION);
  EXPECT_EQ(design_conditions_box_quantity(kSpreadAngleSeismicBox), COND_SPREAD_ANGLE);
  EXPECT_EQ(bearing_layer_box_quantity(kCohesionGradientBox), COND_BEARING_COHESION_GRADIENT);
  const BoxInterval free = box_interval(std::nullopt);
  EXPECT_EQ(free.lowest, -model::kBoxLimit);
  EXPECT_EQ(free.highest, model::kBoxLimit);
}

}  // namespace
}  // namespace qvt::pages
