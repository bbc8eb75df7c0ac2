#pragma once
// Helpers shared by the tests of the project files.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace qvt::model::testing {

struct RecordedMessage {
  MessageIcon icon;
  std::string title, text;
};

class Recorder : public MessageSink {
 public:
  void show_message(MessageIcon icon, const std::string& title, const std::string& text) override {
    messages.push_back({icon, title, text});
  }
  std::vector<RecordedMessage> messages;
};

// A model in the state of a new project (as the reset leaves it), on the heap: the model is
// too large to keep several copies on the stack.
inline std::unique_ptr<ProjectModel> new_project() {
  auto m = std::make_unique<ProjectModel>();
  m->work_folder = "/nonexistent/qvt-test-work";  // no options file: the reset goes on without
  reset_project_to_defaults(*m);
  m->work_folder.clear();
  return m;
}

// Limits the size of files this process may write, so that a write fails part way as on a
// full disk (permissions do not stop a test run as root). Restored on destruction.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_handler_)(int) = SIG_DFL;
};

// Items of a line as the files separate them.
inline std::vector<std::string> split_items(const std::string& line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (true) {
    std::size_t c = line.find(',', start);
    out.push_back(line.substr(start, c == std::string::npos ? std::string::npos : c - start));
    if (c == std::string::npos) break;
    start = c + 1;
  }
  return out;
}

}  // namespace qvt::model::testing
