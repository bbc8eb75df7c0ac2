#pragma once
// Shared pieces of the section picture's tests: the sample projects, a recording page port and
// recording effects.
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"
#include "frontend/section/section_effects.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qvt::section::testing {

class QuietSink : public model::MessageSink {
 public:
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    messages.push_back(text);
  }
  std::vector<std::string> messages;
};

// A test section (common/tests/sections/<name>) loaded as the front end opens it.
inline std::unique_ptr<model::ProjectModel> load_sample(const std::string& name) {
  auto m = std::make_unique<model::ProjectModel>();
  m->work_folder = "/nonexistent/qvt-section-test";
  model::reset_project_to_defaults(*m);
  QuietSink sink;
  const auto base = std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / name;
  EXPECT_TRUE(model::load_project_files(base.string(), *m, sink)) << name;
  return m;
}

inline std::unique_ptr<model::ProjectModel> empty_project() {
  auto m = std::make_unique<model::ProjectModel>();
  m->work_folder = "/nonexistent/qvt-section-test";
  model::reset_project_to_defaults(*m);
  return m;
}

// The pages as the picture sees them. select_action_point does what the page's number label
// does for the picture: it selects point n - 1.
class FakePages : public PagePort {
 public:
  explicit FakePages(EditorState& editor) : editor_(editor) {}
  const PageState& page_state() const override { return state; }
  void select_action_point(int n) override {
    captions.push_back(n);
    editor_.current_point_index = static_cast<std::int16_t>(n - 1);
  }
  void restore_operation_prompt() override { ++prompts_restored; }

  PageState state;
  std::vector<int> captions;
  int prompts_restored = 0;

 private:
  EditorState& editor_;
};

class RecordingEffects : public SectionEffects {
 public:
  void repaint() override { ++repaints; }
  void warn(const std::string& text) override { warnings.push_back(text); }
  void show_readout(const std::string& text) override { readout = text; }
  void set_zoom_pointer(bool zoom) override { zoom_pointer = zoom; }
  void set_view_button(int button, bool pressed) override {
    buttons.push_back({button, pressed});
  }
  void set_scroll_position(bool horizontal, int position) override {
    scrolls.push_back({horizontal ? 1 : 0, position});
  }

  int repaints = 0;
  std::vector<std::string> warnings;
  std::string readout;
  bool zoom_pointer = false;
  std::vector<std::pair<int, bool>> buttons;
  std::vector<std::pair<int, int>> scrolls;
};

}  // namespace qvt::section::testing
