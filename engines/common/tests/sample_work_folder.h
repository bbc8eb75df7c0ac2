#pragma once
// A work folder for the engines' process tests: a shipped sample (or a change of it) written
// as the engines' input by the front end's own model, and the engine programs run in it as the
// front end runs them. Only tests named *_model_test.cpp include this (they link the model).
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/wait.h>

namespace qvt::engine::testing {

// The eight engines in the order the front end runs them.
inline constexpr const char* kEngineChain[] = {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL",
                                               "VASKUDE", "TOLMIRE", "MERITAN", "JORPELA"};

// Runs a program of the build in dir; its messages go to dir/stderr.txt. The exit code, or -1
// when it did not end normally.
inline int run_engine(const std::filesystem::path& dir, const char* program) {
  const std::string cmd = "cd '" + dir.string() + "' && '" QVT_BIN_DIR "/" + program +
                          "' </dev/null 2>>stderr.txt >/dev/null";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string work_file(const std::filesystem::path& dir, const char* name) {
  return read_file_bytes(dir / name).value_or("");
}

// Writes QVTAJKN.CAL, QVTABLK.CAL and QVT_DAT.CST of the project `base` (path without the
// suffix; changed by `change`) into dir.
inline void write_project_input(const std::filesystem::path& dir, const std::filesystem::path& base,
                                const std::function<void(model::ProjectModel&)>& change = {}) {
  auto m = std::make_unique<model::ProjectModel>();
  m->work_folder = dir;
  model::reset_project_to_defaults(*m);
  model::testing::Recorder rec;
  ASSERT_TRUE(model::load_project_files(base.string(), *m, rec));
  if (change) change(*m);
  ASSERT_EQ(model::write_engine_input(*m, rec), 0);
  std::filesystem::copy_file(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST",
                             dir / "QVT_DAT.CST",
                             std::filesystem::copy_options::overwrite_existing);
}

// The same for a test section (common/tests/sections/<sample>).
inline void write_sample_input(const std::filesystem::path& dir, const char* sample,
                               const std::function<void(model::ProjectModel&)>& change = {}) {
  write_project_input(
      dir, std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / sample, change);
}

}  // namespace qvt::engine::testing
