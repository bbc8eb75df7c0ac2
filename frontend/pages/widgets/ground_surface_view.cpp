#include "frontend/pages/widgets/ground_surface_view.h"

#include "frontend/pages/widgets/illustrations.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/pages/box_ranges.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qvt::pages {

namespace {
QString u8(const char* s) { return QString::fromUtf8(s); }
}  // namespace

// What the presenter needs of a grid, over one EditGrid with its fixed layout: column widths,
// control width and name as the page sets them up at each load.
class GroundSurfaceView::GridAdapter : public GridPort {
 public:
  GridAdapter(widgets::EditGrid* grid, QString name, std::vector<int> widths, int control_width)
      : grid_(grid), name_(std::move(name)), widths_(std::move(widths)), control_width_(control_width) {}

  void reset(int rows, const std::vector<std::string>& headings,
             const std::vector<std::string>& patterns) override {
    grid_->set_painting(false);
    grid_->clear_cells();
    grid_->set_title_rows(1);
    grid_->set_row_count(rows);
    grid_->set_col_count(static_cast<int>(headings.size()));
    grid_->set_fixed_cols(1);
    for (std::size_t c = 0; c < headings.size(); ++c) {
      if (c < widths_.size()) grid_->set_col_width_twips(static_cast<int>(c), widths_[c]);
      grid_->set_cell(0, static_cast<int>(c), QString::fromStdString(headings[c]));
    }
    for (std::size_t c = 0; c < patterns.size(); ++c)
      grid_->set_col_pattern(static_cast<int>(c), patterns[c]);
    // Every data row shows its position, also a row the user has not filled yet.
    for (int r = 1; r < rows; ++r) grid_->set_cell(r, 0, QString::number(r));
    grid_->set_control_width_twips(control_width_);
    grid_->set_grid_name(name_);
    grid_->set_painting(true);
  }
  void set_row_text(int row, const std::string& text) override {
    grid_->set_row_text(row, QString::fromStdString(text));
  }
  int last_row_in_use() const override { return grid_->last_row_in_use(); }
  std::string cell(int row, int column) const override {
    return grid_->cell(row, column).toStdString();
  }

 private:
  widgets::EditGrid* grid_;
  QString name_;
  std::vector<int> widths_;
  int control_width_;
};

QLineEdit* GroundSurfaceView::make_box(bool gm9, int index) {
  auto* e = new QLineEdit;
  e->setObjectName(QStringLiteral("%1_%2").arg(gm9 ? "txt_gm9" : "txt_gm10").arg(index));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(72);
  connect(e, &QLineEdit::textEdited, this, [this, gm9, index](const QString& t) {
    if (gm9)
      page_.text_edited_gm9(index, t.toStdString());
    else
      page_.text_edited_gm10(index, t.toStdString());
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, gm9, index] {
    if (gm9)
      page_.lost_focus_gm9(index);
    else
      page_.lost_focus_gm10(index);
    refresh();
  }));
  const BoxInterval range = box_interval(ground_surface_box_quantity(gm9, index));
  focus_watchers_.back()->set_range(range.lowest, range.highest);
  widgets::fit_number_box(e, 3);  // the page shows "###0.000"
  (gm9 ? txt_gm9_ : txt_gm10_)[index] = e;
  return e;
}

void GroundSurfaceView::add_grid(GroundGrid which, const char* name, std::vector<int> widths,
                                 int control_width) {
  const int i = static_cast<int>(which);
  auto* g = new widgets::EditGrid;
  grids_[i] = g;
  adapters_[i] = std::make_unique<GridAdapter>(g, QString::fromLatin1(name), std::move(widths),
                                               control_width);
  adapters_[i]->reset(which == GroundGrid::points   ? kPointGridRows
                      : which == GroundGrid::layers ? kLayerGridRows
                                                    : kRangeGridRows,
                      {}, {});
  g->on_edited = [this, which] {
    page_.grid_edited(which);
    refresh();
  };
  page_.set_grid(which, adapters_[i].get());
}

GroundSurfaceView::GroundSurfaceView(GroundSurfacePage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("tab_gm_3"));
  top->addWidget(tabs_);

  const char* opt_captions[4] = {"直線形状", "任意形状", "第１層の崩壊角を使用",
                                 "90度（直上がり）を使用"};
  for (int i = 0; i < 4; ++i) {
    opt_[i] = new QRadioButton(u8(opt_captions[i]));
    opt_[i]->setObjectName(QStringLiteral("opt_gm8_%1").arg(i));
    connect(opt_[i], &QRadioButton::clicked, this, [this, i] {
      page_.opt_gm8_select(i);
      refresh();
    });
  }
  for (int pair = 0; pair < 4; pair += 2) {
    auto* g = new QButtonGroup(this);
    g->addButton(opt_[pair]);
    g->addButton(opt_[pair + 1]);
  }

  // Inner tab 0: the shape and the collapse angle inside an embankment.
  auto* surface = new QWidget;
  auto* surface_layout = new QVBoxLayout(surface);
  fra_gm8_[0] = new QGroupBox(u8("背面土の地表面形状"));
  auto* shapes = new QVBoxLayout(fra_gm8_[0]);
  shapes->addWidget(opt_[0]);
  shapes->addWidget(opt_[1]);
  surface_layout->addWidget(fra_gm8_[0]);
  fra_gm8_[1] = new QGroupBox(u8("盛土形状内の崩壊角"));
  auto* collapse = new QVBoxLayout(fra_gm8_[1]);
  collapse->addWidget(opt_[2]);
  collapse->addWidget(opt_[3]);
  surface_layout->addWidget(fra_gm8_[1]);
  auto* image1 = new QLabel;
  image1->setObjectName(QStringLiteral("Image1"));
  image1->setPixmap(ground_surface_shapes_picture());
  surface_layout->addWidget(image1, 0, Qt::AlignHCenter);
  surface_layout->addStretch(1);
  tabs_->addTab(surface, u8("地表面"));

  // Inner tab 1: slopes of the straight surface; points, layers and seabed slope of an
  // arbitrary one.
  auto* shape = new QWidget;
  auto* shape_layout = new QVBoxLayout(shape);
  shape_layout->setSpacing(3);
  fra_gm9_[0] = new QGroupBox(u8("傾斜角（度）"));
  auto* slopes = new QGridLayout(fra_gm9_[0]);
  slopes->addWidget(new QLabel(u8("地表面傾斜角")), 0, 0);
  slopes->addWidget(make_box(true, 6), 0, 1);
  slopes->addWidget(new QLabel(u8("海底面傾斜角")), 1, 0);
  slopes->addWidget(make_box(true, 7), 1, 1);
  shape_layout->addWidget(fra_gm9_[0]);
  image4_ = new QLabel;
  image4_->setObjectName(QStringLiteral("Image4"));
  image4_->setPixmap(surface_slopes_picture());
  shape_layout->addWidget(image4_);
  fra_gm9_[1] = new QGroupBox(u8("任意"));
  auto* points = new QVBoxLayout(fra_gm9_[1]);
  add_grid(GroundGrid::points, "ZAHYO1", {500, 1200, 1200}, 3250);
  points->addWidget(grid(GroundGrid::points));
  shape_layout->addWidget(fra_gm9_[1], 1);
  fra_gm9_[2] = new QGroupBox(u8("盛土層の単位体積重量 （kN/m3）"));
  auto* layers = new QVBoxLayout(fra_gm9_[2]);
  add_grid(GroundGrid::layers, "ZAHYO2", {500, 1000, 1000, 1000}, 3650);
  grid(GroundGrid::layers)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid(GroundGrid::layers)->setFixedHeight(4 * (fontMetrics().height() + 6) + 4);
  layers->addWidget(grid(GroundGrid::layers));
  shape_layout->addWidget(fra_gm9_[2]);
  auto* seabed_slope = new QHBoxLayout;
  lbl_gm9_9_ = new QLabel(u8("海底面傾斜角 （度）"));
  seabed_slope->addWidget(lbl_gm9_9_);
  seabed_slope->addWidget(make_box(true, 5));
  seabed_slope->addStretch(1);
  shape_layout->addLayout(seabed_slope);
  shape_layout->addStretch(0);
  tabs_->addTab(shape, u8("形状"));

  // Inner tab 2: the surcharges.
  auto* loads = new QWidget;
  auto* loads_layout = new QVBoxLayout(loads);
  fra_gm10_[0] = new QGroupBox(u8("地表面の上載荷重（kN/m2）"));
  auto* surface_load = new QGridLayout(fra_gm10_[0]);
  surface_load->addWidget(new QLabel(u8("常時")), 0, 0);
  surface_load->addWidget(make_box(false, 4), 0, 1);
  surface_load->addWidget(new QLabel(u8("地震時")), 1, 0);
  surface_load->addWidget(make_box(false, 5), 1, 1);
  loads_layout->addWidget(fra_gm10_[0]);
  fra_gm10_[2] = new QGroupBox(u8("海底面の上載荷重（kN/m2）"));
  auto* seabed_load = new QGridLayout(fra_gm10_[2]);
  seabed_load->addWidget(new QLabel(u8("常時")), 0, 0);
  seabed_load->addWidget(make_box(false, 6), 0, 1);
  seabed_load->addWidget(new QLabel(u8("地震時")), 1, 0);
  seabed_load->addWidget(make_box(false, 7), 1, 1);
  loads_layout->addWidget(fra_gm10_[2]);
  fra_gm10_[1] = new QGroupBox(u8("上載荷重（kN/m2）"));
  auto* ranges = new QGridLayout(fra_gm10_[1]);
  ranges->addWidget(new QLabel(u8("地表面")), 0, 0, 1, 2);
  auto* headings = new QHBoxLayout;
  headings->addWidget(new QLabel(u8("作用範囲（m）")), 0, Qt::AlignCenter);
  headings->addWidget(new QLabel(u8("上載荷重（kN/m2）")), 0, Qt::AlignCenter);
  ranges->addLayout(headings, 1, 0, 1, 2);
  add_grid(GroundGrid::ranges, "ZAHYO3", {500, 800, 800, 800, 800}, 3780);
  grid(GroundGrid::ranges)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid(GroundGrid::ranges)->setFixedHeight(6 * (fontMetrics().height() + 6) + 4);
  ranges->addWidget(grid(GroundGrid::ranges), 2, 0, 1, 2);
  auto* seabed_row = new QGridLayout;
  seabed_row->addWidget(new QLabel(u8("常時")), 0, 1, Qt::AlignCenter);
  seabed_row->addWidget(new QLabel(u8("地震時")), 0, 2, Qt::AlignCenter);
  seabed_row->addWidget(new QLabel(u8("海底面")), 1, 0);
  seabed_row->addWidget(make_box(false, 2), 1, 1);
  seabed_row->addWidget(make_box(false, 3), 1, 2);
  ranges->addLayout(seabed_row, 3, 0, 1, 2);
  loads_layout->addWidget(fra_gm10_[1]);
  image2_ = new QLabel;
  image2_->setObjectName(QStringLiteral("Image2"));
  loads_layout->addWidget(image2_, 0, Qt::AlignHCenter);
  loads_layout->addStretch(1);
  tabs_->addTab(loads, u8("上載荷重"));
  // Connected once every control exists: adding the first tab already reports a change.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int) { refresh(); });

  refresh();
}

// The focus watchers go first: a box that loses the focus while the view is destroyed reaches
// no half-destroyed view.
GroundSurfaceView::~GroundSurfaceView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
  for (int i = 0; i < 3; ++i) {
    page_.set_grid(static_cast<GroundGrid>(i), nullptr);
    if (grids_[i]) grids_[i]->on_edited = nullptr;
  }
}

void GroundSurfaceView::refresh() {
  const GroundSurfaceState& s = page_.state();
  for (int i = 0; i < 4; ++i) {
    QSignalBlocker block(opt_[i]);
    opt_[i]->setChecked(s.opt_gm8[i]);
  }
  opt_[2]->setEnabled(s.collapse_options_enabled);
  opt_[3]->setEnabled(s.collapse_options_enabled);
  fra_gm8_[1]->setEnabled(s.fra_gm8_1_enabled);
  const auto show_text = [](QLineEdit* box, const std::string& text) {
    if (box == nullptr) return;
    const QString t = QString::fromStdString(text);
    if (box->text() != t) {
      QSignalBlocker block(box);
      box->setText(t);
    }
  };
  for (int i = 0; i < 8; ++i) {
    show_text(txt_gm9_[i], s.txt_gm9[i].text);
    show_text(txt_gm10_[i], s.txt_gm10[i].text);
  }
  fra_gm9_[0]->setVisible(s.fra_gm9_0_visible);
  fra_gm9_[1]->setVisible(s.fra_gm9_1_visible);
  fra_gm9_[2]->setVisible(s.fra_gm9_2_visible);
  fra_gm10_[0]->setVisible(s.fra_gm10_0_visible);
  fra_gm10_[1]->setVisible(s.fra_gm10_1_visible);
  fra_gm10_[2]->setVisible(s.fra_gm10_2_visible);
  txt_gm9_[5]->setVisible(s.seabed_slope_box_visible);
  lbl_gm9_9_->setVisible(s.seabed_slope_box_visible);
  image4_->setVisible(!s.seabed_slope_box_visible);
  // The surcharge picture follows the shape: uniform loads, or ranges from Xmin to Xmax.
  if (image2_shows_ranges_ != s.opt_gm8[1] || image2_->pixmap().isNull()) {
    image2_shows_ranges_ = s.opt_gm8[1];
    image2_->setPixmap(surcharge_picture(image2_shows_ranges_));
  }
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
