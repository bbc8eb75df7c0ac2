// Not checks: the pictures of the main window, its dialogs and messages that the manual and the
// README show, taken from the shipped samples (data/samples) with the real engines, at the
// window's own size. They run only when QVT_DOCS_DIR names a folder (scripts/pictures.sh sets
// it); the pictures under the manual's own folder go to $QVT_DOCS_DIR/manual. QVT_SAMPLES_DIR
// names the samples folder a file dialog shows (the one the build installs), and
// QVT_DOCS_FIGURES, when set, receives the figure files a dialog writes, for the figure renderer.
#include "frontend/model/block_outline.h"
#include "frontend/model/folders.h"
#include "frontend/model/messages.h"
#include "frontend/model/tests/shipped_samples.h"
#include "frontend/results/widgets/clay_check_dialog.h"
#include "frontend/results/widgets/sand_check_dialog.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/section_view.h"
#include "frontend/shell/tests/shell_test_support.h"
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/earth_pressure_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/pages/widgets/improved_body_view.h"
#include "frontend/section/widgets/section_widget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace qvt::shell::testing {
namespace {

namespace fs = std::filesystem;

fs::path shipped(const char* name) {
  return fs::path(QVT_SOURCE_DIR) / "data" / "samples" / (std::string(name) + ".MSJ");
}

class DocPictures : public ShellTest {
 protected:
  void SetUp() override {
    docs_ = qEnvironmentVariable("QVT_DOCS_DIR");
    if (docs_.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
    QDir().mkpath(docs_ + QStringLiteral("/manual"));
    for (const char* e : {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE",
                          "MERITAN", "JORPELA", "FAI30.CSV", "FAI35.CSV", "FAI40.CSV",
                          "FAI45.CSV", "KS_AB.CSV"})
      fs::copy_file(fs::path(QVT_BIN_DIR) / e, install() / e, fs::copy_options::overwrite_existing);
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    QApplication::processEvents();
    ui.shown.clear();
  }

  void open(const char* sample) {
    ui.files.push_back(QString::fromStdString(shipped(sample).string()));
    window->open_project();
    QApplication::processEvents();
    ui.shown.clear();
  }
  // A page chosen through its button, as a user does, so the button shows as chosen.
  void choose_page(int index) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(index))->click();
    QApplication::processEvents();
  }
  void save(QWidget& w, const QString& name) {
    QApplication::processEvents();
    ASSERT_TRUE(w.grab().save(docs_ + QLatin1Char('/') + name)) << name.toStdString();
  }
  void save_window(const QString& name) { save(*window, name); }
  // A message box of the program, shown as the program shows it, saved and closed.
  void save_box(const Shown& s, const QString& name) {
    QtUiPort port;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      save(*box, name);
      box->close();
    });
    port.message_box(window.get(), s.icon, QString::fromStdString(s.title),
                     QString::fromStdString(s.text), s.buttons, s.default_button);
  }
  void click_world(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    const section::ViewState& v = window->view().picture().view();
    const QPointF at((x - v.left_x) * v.scale / 15, (v.top_y - y) * v.scale / 15);
    QWidget* pic = window->view().picture_widget();
    QMouseEvent e(QEvent::MouseButtonPress, at, pic->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(pic, &e);
    QApplication::processEvents();
  }
  // The window with, beside it, the part of the section picture around the world point (x, y)
  // enlarged five times, pixel for pixel: a mark of a few pixels (the base point of a move)
  // cannot be made out at the size of a printed page. An orange frame shows the enlarged part
  // in the window.
  void save_with_enlargement(double x, double y, const QString& name) {
    QApplication::processEvents();
    const QImage whole = window->grab().toImage();
    const section::ViewState& v = window->view().picture().view();
    const QPoint in_picture(static_cast<int>((x - v.left_x) * v.scale / 15),
                            static_cast<int>((v.top_y - y) * v.scale / 15));
    const QPoint at = window->view().picture_widget()->mapTo(window.get(), in_picture);
    constexpr int kZoom = 5;
    const QRect area = QRect(at.x() - 30, at.y() - 50, 110, 100).intersected(whole.rect());
    const QImage zoom = whole.copy(area).scaled(area.size() * kZoom, Qt::IgnoreAspectRatio,
                                                Qt::FastTransformation);
    constexpr int kGap = 16;
    QImage out(whole.width() + kGap + zoom.width(), std::max(whole.height(), zoom.height()),
               QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, whole);
    const QPoint zoom_at(whole.width() + kGap, (out.height() - zoom.height()) / 2);
    p.drawImage(zoom_at, zoom);
    p.setPen(QPen(QColor(255, 140, 0), 2));
    p.drawRect(area.adjusted(-1, -1, 0, 0));
    p.drawRect(QRect(zoom_at, zoom.size()).adjusted(1, 1, -1, -1));
    p.end();
    ASSERT_TRUE(out.save(docs_ + QLatin1Char('/') + name)) << name.toStdString();
  }
  void calculate() {
    ui.shown.clear();
    ui.answers.push_back(Answer::No);  // the save question, if any: calculate unsaved
    window->press_toolbar_button(ToolbarButton::calculate);
  }

  QString docs_;
  std::unique_ptr<MainWindow> window;
};

// The chart the sand dialog reads first: the bearing layer's φ rounded down to a chart angle.
int chart_angle(double phi) {
  int angle = 30;
  for (int a : {35, 40, 45})
    if (phi >= a) angle = a;
  return angle;
}

void choose_chart(results::SandCheckDialog& f, int row, int angle) {
  QComboBox* box = f.chart_box(row);
  const int index = box->findText(QString::number(angle));
  ASSERT_GE(index, 0);
  if (box->currentIndex() != index || f.n_box(row)->text().isEmpty()) emit box->activated(index);
}

// For each case row and each of the three lists, the class on the safe side, as the manual
// (8.3) teaches: in KS_AB.CSV a falls as the tanθ and |ε| classes rise and b rises with the Bk/Co
// class, so for tanθ and |ε| the smallest class at or above the computed value ("0.25以上" for a
// steeper load) and for Bk/Co the largest class at or below it (the smallest class below them all).
void choose_clay_classes(results::ClayCheckDialog& f) {
  constexpr int kBkCoList = 2;
  for (int row = 0; row < 2; ++row) {
    f.enter_class_box(row, 0);
    for (int list = 0; list < 3; ++list) {
      QComboBox* box = f.class_list(list);
      const double value = f.ratio_label(row, list)->text().toDouble();
      int pick = -1, smallest = -1;
      for (int i = 0; i < box->count(); ++i) {
        bool number = false;
        const double v = box->itemText(i).toDouble(&number);
        if (!number || v <= 0) continue;  // "0" is the state before a choice
        if (smallest < 0) smallest = i;
        if (list == kBkCoList) {
          if (v <= value + 1e-9) pick = i;
        } else if (v >= value - 1e-9) {
          pick = i;
          break;
        }
      }
      if (pick < 0) pick = list == kBkCoList ? smallest : box->count() - 1;
      emit box->activated(pick);
    }
  }
}

TEST_F(DocPictures, MainWindowAndFileDialog) {
  save(*window, QStringLiteral("manual/first-run-1-start.png"));
  // The open command's own file dialog, on the samples folder the build installs, in its list
  // view (no dates).
  window->open_project();
  ASSERT_EQ(ui.count(Shown::What::OpenDialog), 1);
  const FileRequest request = ui.shown.back().request;
  const QString samples = qEnvironmentVariable("QVT_SAMPLES_DIR");
  ASSERT_FALSE(samples.isEmpty()) << "QVT_SAMPLES_DIR not set";
  {
    QFileDialog dialog(window.get());
    configure_file_dialog(dialog, request, false);
    dialog.setDirectory(samples);
    dialog.setViewMode(QFileDialog::List);
    dialog.resize(640, 400);
    dialog.show();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 200 && (list->model() == nullptr || list->model()->rowCount(list->rootIndex()) < 4); ++i)
      QTest::qWait(20);
    // The block sample chosen in the list, as a click chooses it.
    const QModelIndexList hits = list->model()->match(
        list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
        QStringLiteral("sample_block_rectangle_sand.MSJ"), 1, Qt::MatchExactly);
    ASSERT_EQ(hits.size(), 1);
    list->setCurrentIndex(hits.front());
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
      name->setText(QStringLiteral("sample_block_rectangle_sand.MSJ"));
    list->setFocus();  // no blinking text cursor in the picture
    QTest::qWait(20);
    save(dialog, QStringLiteral("manual/first-run-2-open.png"));
  }
  ui.shown.clear();
  // Opened, the window stays on the design-conditions page.
  open("sample_block_rectangle_sand");
  save_window(QStringLiteral("main-window.png"));
}

TEST_F(DocPictures, InputPagesOfTheBlockSample) {
  open("sample_block_rectangle_sand");
  auto& conditions = window->pages().design_conditions_view();
  const char* names[3] = {"basic", "seismic", "forces"};
  for (int j = 0; j < 3; ++j) {
    conditions.inner_tabs()->setCurrentIndex(j);
    if (j == 1) {
      // The picture of the R.W.L. options, as the mouse over their frame brings it.
      window->pages().design_conditions().hover_frame(pages::kRwlFrame);
      conditions.refresh();
    }
    save_window(QStringLiteral("page-design-conditions-%1.png").arg(names[j]));
  }
  choose_page(1);
  save_window(QStringLiteral("page-superstructure.png"));
  choose_page(2);
  window->pages().improved_body_view().inner_tabs()->setCurrentIndex(0);
  save_window(QStringLiteral("page-improved-body.png"));
  choose_page(3);
  auto& ground = window->pages().ground_surface_view();
  ground.inner_tabs()->setCurrentIndex(0);
  save_window(QStringLiteral("page-ground-surface-shapes.png"));
  ground.inner_tabs()->setCurrentIndex(1);
  save_window(QStringLiteral("page-ground-surface-slopes.png"));
  ground.inner_tabs()->setCurrentIndex(2);
  save_window(QStringLiteral("page-ground-surface-surcharge.png"));
  choose_page(4);
  save_window(QStringLiteral("page-bearing-layer.png"));
  choose_page(6);
  auto& pressure = window->pages().earth_pressure_view();
  pressure.inner_tabs()->setCurrentIndex(0);
  save_window(QStringLiteral("page-earth-pressure-points.png"));
  save_window(QStringLiteral("main-window-section.png"));
  pressure.inner_tabs()->setCurrentIndex(1);
  save_window(QStringLiteral("page-earth-pressure-layers.png"));
  pressure.inner_tabs()->setCurrentIndex(0);

  // The dimension-line page with three corners of the wall's sea face registered above.
  choose_page(5);
  window->findChild<QAbstractButton*>(QStringLiteral("dimension_mode_0"))->click();
  const model::BlockHead& top = window->model().wall_blocks[4].polygon.head;
  const model::BlockHead& bottom = window->model().wall_blocks[0].polygon.head;
  click_world(bottom.ref_x, bottom.ref_y);
  click_world(top.ref_x, top.ref_y + window->model().wall_blocks[4].polygon.vertex_y[0]);
  click_world(bottom.ref_x + window->model().wall_blocks[0].polygon.vertex_x[0], bottom.ref_y);
  save_window(QStringLiteral("manual/page-dimension-line.png"));

  // Moving the superstructure: the block chosen (yellow), its base point (blue) chosen.
  choose_page(1);
  window->findChild<QAbstractButton*>(QStringLiteral("wall_block_operation_2"))->click();
  click_world(top.label_x, top.label_y);
  click_world(top.ref_x, top.ref_y);
  save_with_enlargement(top.ref_x, top.ref_y, QStringLiteral("section-move.png"));
  click_world(0, 0, Qt::RightButton);
}

TEST_F(DocPictures, ShapesOfTheOtherSamples) {
  open("sample_wall_caisson_clay");
  choose_page(2);
  window->pages().improved_body_view().inner_tabs()->setCurrentIndex(1);
  save_window(QStringLiteral("page-improved-body-shape.png"));
  choose_page(3);
  auto& ground = window->pages().ground_surface_view();
  ground.inner_tabs()->setCurrentIndex(0);
  save_window(QStringLiteral("page-ground-surface.png"));
  ground.inner_tabs()->setCurrentIndex(2);
  save_window(QStringLiteral("page-ground-surface-ranges.png"));
  open("sample_lattice_block_clay");
  choose_page(2);
  window->pages().improved_body_view().inner_tabs()->setCurrentIndex(1);
  save_window(QStringLiteral("page-improved-body-lattice.png"));
}

// The replacement of the superstructure: the button's own file dialog, on the samples folder.
TEST_F(DocPictures, ReplaceSuperstructure) {
  open("sample_block_rectangle_sand");
  choose_page(2);
  window->replace_superstructure();
  ASSERT_EQ(ui.count(Shown::What::OpenDialog), 1);
  const FileRequest request = ui.shown.back().request;
  QFileDialog dialog(window.get());
  configure_file_dialog(dialog, request, false);
  dialog.setDirectory(qEnvironmentVariable("QVT_SAMPLES_DIR"));
  dialog.setViewMode(QFileDialog::List);
  dialog.resize(640, 400);
  dialog.show();
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 200 && (list->model() == nullptr || list->model()->rowCount(list->rootIndex()) < 4); ++i)
    QTest::qWait(20);
  save(dialog, QStringLiteral("replace-superstructure.png"));
}

// The wall sample shows every row of the results; started with /td, the text export button.
TEST_F(DocPictures, ResultsRunQuestionAndClayCheck) {
  window = std::make_unique<MainWindow>(ui, install(), work(), "/td", false);
  window->load();
  window->show();
  open("sample_wall_caisson_clay");
  // A changed project asks before the run.
  window->model().conditions.job_name += "（変更）";
  window->pages().load_design_conditions_page();
  bool asked = false;
  ui.on_box = [&](const Shown& s) {
    if (s.title != "保存確認" || asked) return;
    asked = true;
    save_box(s, QStringLiteral("manual/run-save-question.png"));
  };
  ui.on_dialog = [&](QDialog& d) { save(d, QStringLiteral("results-table.png")); };
  calculate();
  ui.on_box = nullptr;
  EXPECT_TRUE(asked);
  ui.on_dialog = [&](QDialog& d) {
    auto& f = dynamic_cast<results::ClayCheckDialog&>(d);
    choose_clay_classes(f);
    save(d, QStringLiteral("clay-check.png"));
  };
  window->eccentric_check();
  ui.on_dialog = nullptr;
}

TEST_F(DocPictures, SandCheck) {
  open("sample_block_rectangle_sand");
  calculate();
  ASSERT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
  const int angle = chart_angle(window->model().conditions.bearing_layer.phi);
  ui.on_dialog = [&](QDialog& d) {
    auto& f = dynamic_cast<results::SandCheckDialog&>(d);
    for (int row : {0, 1}) choose_chart(f, row, angle);
    save(d, QStringLiteral("sand-check.png"));
    f.ok();
  };
  window->eccentric_check();
  ui.on_dialog = nullptr;
  const QString figures = qEnvironmentVariable("QVT_DOCS_FIGURES");
  if (!figures.isEmpty())
    fs::copy_file(work() / "M_HSK06H.PZK", fs::path(figures.toStdString()) / "sand-check-figure.PZK",
                  fs::copy_options::overwrite_existing);
}

// A point above every curve of its chart: the block sample with a seaward pull of 300 kN/m on
// the body top in the seismic case, so the seismic load leans beyond the 30-degree chart.
TEST_F(DocPictures, SandCheckOffTheChart) {
  open("sample_block_rectangle_sand");
  auto& c = window->model().conditions;
  c.external_force_counts[CASE_SEISMIC] = 1;
  c.external_forces[CASE_SEISMIC][0] = {"牽引力", 0, 300, 3, -10};
  window->reload_pages_and_take_snapshot();
  calculate();
  ASSERT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
  std::optional<Shown> off;
  ui.shown.clear();
  ui.on_box = [&](const Shown& s) {
    if (!off && s.text.find("図表の範囲外") != std::string::npos) off = s;
  };
  ui.on_dialog = [&](QDialog& d) {
    auto& f = dynamic_cast<results::SandCheckDialog&>(d);
    choose_chart(f, 0, 30);
    choose_chart(f, 1, 30);
    save(d, QStringLiteral("manual/sand-check-off-chart.png"));
  };
  window->eccentric_check();
  ui.on_dialog = nullptr;
  ui.on_box = nullptr;
  ASSERT_TRUE(off.has_value()) << "the seismic point lies on the 30-degree chart";
  save_box(*off, QStringLiteral("manual/sand-off-chart.png"));
}

// The manual's worked example (section 3.1), built as its table says: a concrete wall 6 m wide
// on a body 18 m wide, the rubble backfill resting on the body as a block with the surcharge
// over its top, seismic case with kh 0.10, the apparent coefficient by the general formula and
// the dynamic water pressure typed; on the earth-pressure page, its results and its eccentric
// inclined load check.
TEST_F(DocPictures, WorkedExample) {
  model::ProjectModel& m = window->model();
  model::ProjectConditions& c = m.conditions;
  c.improvement_pattern = 0;
  c.improvement_ratio = 100;
  c.water_levels[0] = 1.8;
  c.water_levels[1] = 0.0;
  c.water_levels[2] = 0.6;
  c.seismic_check = 2;
  c.seismic_coef_mode = 0;
  c.seismic_coef_earth = 0.10;
  c.seismic_coef_inertia = 0.10;
  c.apparent_coef_method = 1;  // 一般式
  c.top_surcharges[0] = {2.0, 18.0, {10.0, 5.0}};
  // Westergaard for the water in front of the wall, L.W.L. 0.0 down to the seabed -10.0
  // (H = 10 m): 7/12 x 0.10 x 10.1 x 10^2 = 58.917 kN/m, 0.4 H = 4 m above the seabed.
  c.dynamic_water_force = 58.917;
  c.dynamic_water_level = -6.0;
  c.surface_surcharge[CASE_NORMAL] = 10.0;
  c.surface_surcharge[CASE_SEISMIC] = 5.0;
  model::testing::set_sample_rectangle(m.wall_blocks[0], BLOCK_RECTANGLE, "壁体", 2, -10, 6, 13,
                                       24, 13.9);
  m.block_label_numbers[0] = 0;
  model::testing::set_sample_rectangle(m.wall_blocks[1], BLOCK_RECTANGLE, "裏込め", 8, -10, 10, 13,
                                       18, 10);
  m.wall_blocks[1].polygon.head.unit_weights[2] = 20.1;  // saturated: 10 + 10.1
  m.block_label_numbers[1] = 1;
  for (model::BodyReaction& r : c.body_reactions) {
    r.check_x = 2;
    r.check_y = -10;
  }
  model::ImprovedBodyDims& d = c.body_dims;
  d.ref_x = 0;
  d.ref_y = -15;
  d.width = 18;
  d.dh1 = d.dh2 = -15;
  d.bs = 18;
  d.dl = 5;
  model::testing::set_sample_rectangle(m.wall_blocks[2], BLOCK_SOIL_RECTANGLE, "改良体", 0, -15, 18,
                                       5, 16, 5.9);
  m.block_label_numbers[2] = 2;
  auto& sea = c.pressure_points[SIDE_PASSIVE];
  sea.count = 2;
  sea.x[0] = 0, sea.y[0] = -10;
  sea.x[1] = 0, sea.y[1] = -15;
  auto& land = c.pressure_points[SIDE_ACTIVE];
  land.count = 3;
  land.x[0] = 18, land.y[0] = 3;
  land.x[1] = 18, land.y[1] = -10;
  land.x[2] = 18, land.y[2] = -15;
  for (model::SoilLayer* l : {&c.soil_layers[SIDE_PASSIVE][0], &c.soil_layers[SIDE_ACTIVE][0],
                              &c.soil_layers[SIDE_ACTIVE][1]}) {
    l->soil_type = 0;
    l->phi = 30;
    l->unit_weight_air = 18;
    l->unit_weight_submerged = 10;
  }
  c.soil_layers[SIDE_ACTIVE][0].phi = 40;  // the rubble backfill
  model::BearingLayer& b = c.bearing_layer;
  b.soil_type = 0;
  b.unit_weight = 10;
  b.shape_factor = 0.5;
  b.mean_n = 50;
  b.phi_formula = 4;  // φ=（√15N）+15°: √750 + 15 = 42.39, proposed as 42.4
  b.phi = 42.4;
  b.bearing_nr = 114;
  b.bearing_nq = 80;
  struct : model::MessageSink {
    void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
      ADD_FAILURE() << text;
    }
  } messages;
  for (int slot : {0, 1, 2}) {
    ASSERT_TRUE(model::build_block_outline(m, slot, messages));
    ASSERT_TRUE(model::center_block_label(m, slot));
  }
  window->reload_pages_and_take_snapshot();
  choose_page(6);
  window->pages().earth_pressure_view().inner_tabs()->setCurrentIndex(0);
  window->view().view_whole_section();
  save_window(QStringLiteral("manual/example-points.png"));
  ui.on_dialog = [&](QDialog& d) { save(d, QStringLiteral("manual/example-results.png")); };
  calculate();
  ui.on_dialog = nullptr;
  EXPECT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
  // The eccentric inclined load check as it opens, on the chart of the bearing layer's φ
  // (42.4: the chart of 40 degrees), passing in both cases.
  bool opened = false;
  ui.on_dialog = [&](QDialog& d) {
    auto& f = dynamic_cast<results::SandCheckDialog&>(d);
    opened = true;
    for (int row : {0, 1}) {
      EXPECT_EQ(f.chart_box(row)->currentText(), QStringLiteral("40")) << row;
      EXPECT_EQ(f.verdict_label(row)->text(), QStringLiteral("ＯＫ")) << row;
    }
    save(d, QStringLiteral("manual/example-eccentric.png"));
  };
  window->eccentric_check();
  EXPECT_TRUE(opened);
  ui.on_dialog = nullptr;
  EXPECT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
  // The resultants the manual works out by hand (section 3.1), R.W.L. 0.6, quay +3.0, seabed
  // -10.0, base -15.0:
  //   effective weight: wall 6 x 2.4 x 24 + 6 x 10.6 x 13.9 = 345.6 + 884.04 = 1229.64, backfill
  //   10 x 2.4 x 18 + 10 x 10.6 x 10 = 432 + 1060 = 1492, body 18 x 5 x 5.9 = 531, surcharge on
  //   the tops 10 x 16 = 160: 3412.64 (seismic, surcharge 5: 3332.64);
  //   its moment about the toe (0, -15): 1229.64 x 5 + 1492 x 13 + 531 x 9 + 160 x 10 = 31923.2;
  //   residual water 0.5 x 0.6 x 6.06 + 15 x 6.06 = 1.818 + 90.9 = 92.718 (6.06 = 10.1 x 0.6);
  //   inertia 0.1 x (345.6 + 6 x 10.6 x 24 + 432 + 10 x 10.6 x 20.1 + 18 x 5 x 16 + 5 x 16)
  //   = 0.1 x (1872 + 2562.6 + 1440 + 80) = 595.46;
  //   dynamic water 58.917 at -6.0: moment 58.917 x 9 = 530.253.
  const auto listing = read_file_bytes(work() / "CAL_ANS.TXT");
  ASSERT_TRUE(listing);
  for (const char* number : {"3412.640", "3332.640", "31923.200", "92.718", "595.460", "530.253"})
    EXPECT_NE(listing->find(number), std::string::npos) << number;
}

}  // namespace
}  // namespace qvt::shell::testing
