#pragma once
// The section picture of the main window with its arrow buttons, the status bar and the
// toolbar's view buttons 8 to 10: the Qt side of the section picture. What it draws and how
// it fits, zooms and edits is the Qt-free SectionPicture.
#include "frontend/model/project.h"
#include "frontend/section/block_editors.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/section_effects.h"
#include "frontend/section/section_picture.h"
#include "frontend/shell/ui_port.h"

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QObject;
class QScrollBar;
class QStatusBar;
class QToolButton;
class QWidget;

namespace qvt::section {
class SectionPictureWidget;
}

namespace qvt::shell {

class ShellPagePort;
class ShellEditorPorts;

// What the picture's side reads of the input pages beside it and asks of them. The pages'
// container answers, so the picture's side never names it.
class PagesBesidePicture {
 public:
  virtual ~PagesBesidePicture() = default;
  // A page counts as shown when its container is not hidden.
  virtual bool is_shown(int index) const = 0;
  virtual QWidget* page_container(int index) const = 0;
  // The earth-pressure page shows the action point the picture's editor chose.
  virtual void select_action_point(int n) = 0;
  // The block pages show the prompt of their chosen operation again.
  virtual void focus_wall_block_operation(int operation) = 0;
  virtual void focus_soil_block_operation(int operation) = 0;
};

class SectionView : public section::SectionEffects {
 public:
  // editor: the one editor state the picture, the pages and the block dialogs share.
  SectionView(QWidget* parent, model::ProjectModel& model, UiPort& ui,
              section::EditorState& editor);
  ~SectionView() override;

  QWidget* picture_widget() const;
  // The bars keep their ranges and positions; only their arrow buttons are shown, as four
  // buttons around the picture.
  QScrollBar* horizontal_bar() const { return horizontal_bar_; }
  QScrollBar* vertical_bar() const { return vertical_bar_; }
  QToolButton* arrow_button(int index) const { return arrows_.at(index); }  // left, right, up, down
  QLabel* prompt_label() const { return prompt_label_; }
  QLabel* readout_label() const { return readout_label_; }

  // Wiring done once by the main window.
  void attach_pages(PagesBesidePicture& pages);
  void attach_toolbar(QAction* button8, QAction* button9, QAction* button10);
  // The status bar's two panels: prompts in the first, the mouse readout in the second.
  void attach_status_bar(QLabel* prompt_label, QLabel* readout_label);

  // The drawing area of the view in picture units, until the window is first laid out.
  void set_picture_size(double width, double height);
  double picture_width() const { return picture_->view().pic_width; }
  double picture_height() const { return picture_->view().pic_height; }
  // Lays out the picture, its arrows and the page tabs for a window of W x H picture units.
  void lay_out(int W, int H);

  // Shows or hides the picture with its arrow buttons.
  void set_shown(bool shown);
  void repaint_section();
  // Panel 1 of the status bar: the editors' prompts.
  void show_prompt(const QString& text);

  void compute_section_extents() { picture_->compute_section_extents(); }
  // Toolbar buttons 8, 9 and 10 and the menu items "全体", "拡大", "縮小".
  void view_whole_section() { picture_->view_whole_section(); }
  void enter_zoom_in_mode() { picture_->enter_zoom_in_mode(); }
  void enter_zoom_out_mode() { picture_->enter_zoom_out_mode(); }

  section::SectionPicture& picture() { return *picture_; }
  section::EditorState& editor() { return editor_; }
  // What the picture reads of the pages: the pages keep their chosen operations here.
  section::PageState& page_state();
  // The block dialogs the block editors open in edit mode; until they are set nothing opens.
  void set_block_dialogs(section::EditorDialogs* dialogs);

  // SectionEffects
  void repaint() override;
  void warn(const std::string& text) override;
  void show_readout(const std::string& text) override;
  void set_zoom_pointer(bool zoom) override;
  void set_view_button(int button, bool pressed) override;
  void set_scroll_position(bool horizontal, int position) override;

 private:
  void place(int pic_width_px, int pic_height_px);

  UiPort& ui_;
  section::EditorState& editor_;
  std::unique_ptr<ShellPagePort> page_port_;
  std::unique_ptr<ShellEditorPorts> editor_ports_;
  std::unique_ptr<section::SectionPicture> picture_;
  section::SectionPictureWidget* widget_ = nullptr;
  QScrollBar* horizontal_bar_ = nullptr;
  QScrollBar* vertical_bar_ = nullptr;
  std::array<QToolButton*, 4> arrows_{};
  PagesBesidePicture* pages_ = nullptr;
  QLabel* prompt_label_ = nullptr;
  QLabel* readout_label_ = nullptr;
  std::array<QAction*, 3> view_buttons_{};
  QActionGroup* view_group_ = nullptr;
  QObject* resize_watch_ = nullptr;

 public:
  // The view values the file commands put back: the last scroll values and the zoom click
  // mode (0 none, 1 zoom in, 2 zoom out).
  std::int16_t& hscroll_last;
  std::int16_t& vscroll_last;
  std::int16_t& bs_mode;
};

}  // namespace qvt::shell
