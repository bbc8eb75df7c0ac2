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

QLineEdit* GroundSurfaceView::make_box(GroundBox box) {
  static const char* const names[kGroundBoxCount] = {
      "arbitrary_seabed_slope",           "surface_slope",
      "seabed_slope",                     "arbitrary_seabed_surcharge_normal",
      "arbitrary_seabed_surcharge_seismic", "surface_surcharge_normal",
      "surface_surcharge_seismic",        "seabed_surcharge_normal",
      "seabed_surcharge_seismic"};
  auto* e = new QLineEdit;
  e->setObjectName(QString::fromLatin1(names[static_cast<int>(box)]));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(72);
  connect(e, &QLineEdit::textEdited, this, [this, box](const QString& t) {
    page_.box_edited(box, t.toStdString());
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, box] {
    page_.box_left(box);
    refresh();
  }));
  const BoxInterval range = box_interval(ground_surface_box_quantity(box));
  focus_watchers_.back()->set_range(range.lowest, range.highest);
  widgets::fit_number_box(e, 3);  // the page shows "###0.000"
  boxes_[static_cast<std::size_t>(box)] = e;
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
  tabs_->setObjectName(QStringLiteral("ground_surface_tabs"));
  top->addWidget(tabs_);

  const char* captions[4] = {"直線形状", "任意形状", "第１層の崩壊角を使用",
                             "90度（直上がり）を使用"};
  const char* names[4] = {"straight_surface", "arbitrary_surface", "first_layer_collapse_angle",
                          "vertical_collapse"};
  for (int i = 0; i < 4; ++i) {
    surface_options_[i] = new QRadioButton(u8(captions[i]));
    surface_options_[i]->setObjectName(QString::fromLatin1(names[i]));
    connect(surface_options_[i], &QRadioButton::clicked, this, [this, i] {
      page_.choose_surface_option(static_cast<SurfaceOption>(i));
      refresh();
    });
  }
  for (int pair = 0; pair < 4; pair += 2) {
    auto* g = new QButtonGroup(this);
    g->addButton(surface_options_[pair]);
    g->addButton(surface_options_[pair + 1]);
  }

  // Inner tab 0: the shape and the collapse angle inside an embankment.
  auto* surface = new QWidget;
  auto* surface_layout = new QVBoxLayout(surface);
  shape_frame_ = new QGroupBox(u8("背面土の地表面形状"));
  auto* shapes = new QVBoxLayout(shape_frame_);
  shapes->addWidget(surface_options_[0]);
  shapes->addWidget(surface_options_[1]);
  surface_layout->addWidget(shape_frame_);
  collapse_frame_ = new QGroupBox(u8("盛土形状内の崩壊角"));
  auto* collapse = new QVBoxLayout(collapse_frame_);
  collapse->addWidget(surface_options_[2]);
  collapse->addWidget(surface_options_[3]);
  surface_layout->addWidget(collapse_frame_);
  auto* shapes_picture = new QLabel;
  shapes_picture->setObjectName(QStringLiteral("surface_shapes_picture"));
  shapes_picture->setPixmap(ground_surface_shapes_picture());
  surface_layout->addWidget(shapes_picture, 0, Qt::AlignHCenter);
  surface_layout->addStretch(1);
  tabs_->addTab(surface, u8("地表面"));

  // Inner tab 1: slopes of the straight surface; points, layers and seabed slope of an
  // arbitrary one.
  auto* shape = new QWidget;
  auto* shape_layout = new QVBoxLayout(shape);
  shape_layout->setSpacing(3);
  slopes_frame_ = new QGroupBox(u8("傾斜角（度）"));
  auto* slopes = new QGridLayout(slopes_frame_);
  slopes->addWidget(new QLabel(u8("地表面傾斜角")), 0, 0);
  slopes->addWidget(make_box(GroundBox::surface_slope), 0, 1);
  slopes->addWidget(new QLabel(u8("海底面傾斜角")), 1, 0);
  slopes->addWidget(make_box(GroundBox::seabed_slope), 1, 1);
  shape_layout->addWidget(slopes_frame_);
  slopes_picture_ = new QLabel;
  slopes_picture_->setObjectName(QStringLiteral("surface_slopes_picture"));
  slopes_picture_->setPixmap(surface_slopes_picture());
  shape_layout->addWidget(slopes_picture_);
  points_frame_ = new QGroupBox(u8("任意"));
  auto* points = new QVBoxLayout(points_frame_);
  add_grid(GroundGrid::points, "surface_points_grid", {500, 1200, 1200}, 3250);
  points->addWidget(grid(GroundGrid::points));
  shape_layout->addWidget(points_frame_, 1);
  embankment_frame_ = new QGroupBox(u8("盛土層の単位体積重量 （kN/m3）"));
  auto* layers = new QVBoxLayout(embankment_frame_);
  add_grid(GroundGrid::layers, "embankment_layers_grid", {500, 1000, 1000, 1000}, 3650);
  grid(GroundGrid::layers)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid(GroundGrid::layers)->setFixedHeight(4 * (fontMetrics().height() + 6) + 4);
  layers->addWidget(grid(GroundGrid::layers));
  shape_layout->addWidget(embankment_frame_);
  auto* seabed_slope = new QHBoxLayout;
  seabed_slope_caption_ = new QLabel(u8("海底面傾斜角 （度）"));
  seabed_slope->addWidget(seabed_slope_caption_);
  seabed_slope->addWidget(make_box(GroundBox::arbitrary_seabed_slope));
  seabed_slope->addStretch(1);
  shape_layout->addLayout(seabed_slope);
  shape_layout->addStretch(0);
  tabs_->addTab(shape, u8("形状"));

  // Inner tab 2: the surcharges.
  auto* loads = new QWidget;
  auto* loads_layout = new QVBoxLayout(loads);
  surface_surcharge_frame_ = new QGroupBox(u8("地表面の上載荷重（kN/m2）"));
  auto* surface_load = new QGridLayout(surface_surcharge_frame_);
  surface_load->addWidget(new QLabel(u8("常時")), 0, 0);
  surface_load->addWidget(make_box(GroundBox::surface_surcharge_normal), 0, 1);
  surface_load->addWidget(new QLabel(u8("地震時")), 1, 0);
  surface_load->addWidget(make_box(GroundBox::surface_surcharge_seismic), 1, 1);
  loads_layout->addWidget(surface_surcharge_frame_);
  seabed_surcharge_frame_ = new QGroupBox(u8("海底面の上載荷重（kN/m2）"));
  auto* seabed_load = new QGridLayout(seabed_surcharge_frame_);
  seabed_load->addWidget(new QLabel(u8("常時")), 0, 0);
  seabed_load->addWidget(make_box(GroundBox::seabed_surcharge_normal), 0, 1);
  seabed_load->addWidget(new QLabel(u8("地震時")), 1, 0);
  seabed_load->addWidget(make_box(GroundBox::seabed_surcharge_seismic), 1, 1);
  loads_layout->addWidget(seabed_surcharge_frame_);
  ranges_frame_ = new QGroupBox(u8("上載荷重（kN/m2）"));
  auto* ranges = new QGridLayout(ranges_frame_);
  ranges->addWidget(new QLabel(u8("地表面")), 0, 0, 1, 2);
  auto* headings = new QHBoxLayout;
  headings->addWidget(new QLabel(u8("作用範囲（m）")), 0, Qt::AlignCenter);
  headings->addWidget(new QLabel(u8("上載荷重（kN/m2）")), 0, Qt::AlignCenter);
  ranges->addLayout(headings, 1, 0, 1, 2);
  add_grid(GroundGrid::ranges, "surcharge_ranges_grid", {500, 800, 800, 800, 800}, 3780);
  grid(GroundGrid::ranges)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid(GroundGrid::ranges)->setFixedHeight(6 * (fontMetrics().height() + 6) + 4);
  ranges->addWidget(grid(GroundGrid::ranges), 2, 0, 1, 2);
  auto* seabed_row = new QGridLayout;
  seabed_row->addWidget(new QLabel(u8("常時")), 0, 1, Qt::AlignCenter);
  seabed_row->addWidget(new QLabel(u8("地震時")), 0, 2, Qt::AlignCenter);
  seabed_row->addWidget(new QLabel(u8("海底面")), 1, 0);
  seabed_row->addWidget(make_box(GroundBox::arbitrary_seabed_surcharge_normal), 1, 1);
  seabed_row->addWidget(make_box(GroundBox::arbitrary_seabed_surcharge_seismic), 1, 2);
  ranges->addLayout(seabed_row, 3, 0, 1, 2);
  loads_layout->addWidget(ranges_frame_);
  surcharge_picture_ = new QLabel;
  surcharge_picture_->setObjectName(QStringLiteral("surcharge_picture"));
  loads_layout->addWidget(surcharge_picture_, 0, Qt::AlignHCenter);
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
    QSignalBlocker block(surface_options_[i]);
    surface_options_[i]->setChecked(s.surface_options[i]);
  }
  surface_options_[2]->setEnabled(s.collapse_options_enabled);
  surface_options_[3]->setEnabled(s.collapse_options_enabled);
  collapse_frame_->setEnabled(s.collapse_frame_enabled);
  const auto show_text = [](QLineEdit* box, const std::string& text) {
    if (box == nullptr) return;
    const QString t = QString::fromStdString(text);
    if (box->text() != t) {
      QSignalBlocker block(box);
      box->setText(t);
    }
  };
  for (int i = 0; i < kGroundBoxCount; ++i) show_text(boxes_[i], s.boxes[i].text);
  slopes_frame_->setVisible(s.slopes_frame_visible);
  points_frame_->setVisible(s.points_frame_visible);
  embankment_frame_->setVisible(s.embankment_frame_visible);
  surface_surcharge_frame_->setVisible(s.surface_surcharge_frame_visible);
  ranges_frame_->setVisible(s.ranges_frame_visible);
  seabed_surcharge_frame_->setVisible(s.seabed_surcharge_frame_visible);
  box(GroundBox::arbitrary_seabed_slope)->setVisible(s.seabed_slope_box_visible);
  seabed_slope_caption_->setVisible(s.seabed_slope_box_visible);
  slopes_picture_->setVisible(!s.seabed_slope_box_visible);
  // The surcharge picture follows the shape: uniform loads, or ranges from Xmin to Xmax.
  if (surcharge_shows_ranges_ != s.on(SurfaceOption::arbitrary) || surcharge_picture_->pixmap().isNull()) {
    surcharge_shows_ranges_ = s.on(SurfaceOption::arbitrary);
    surcharge_picture_->setPixmap(surcharge_picture(surcharge_shows_ranges_));
  }
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
