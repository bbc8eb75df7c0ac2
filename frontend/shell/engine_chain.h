#pragma once
// The calculation run: the eight engines started one after another from the install folder,
// each in the work folder, the run stopping at the first that does not end with 0.
#include "frontend/shell/ui_port.h"

#include <array>
#include <filesystem>

class QWidget;

namespace qvt::shell {

// The engines of a run, in their order; each is started by its bare name from the install
// folder.
inline constexpr std::array<const char*, 8> kEngineChain = {
    "SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE", "MERITAN", "JORPELA"};

class EngineChainRunner {
 public:
  // The messages of the engines and of an abnormal end are owned by `owner`.
  EngineChainRunner(UiPort& ui, QWidget* owner) : ui_(ui), owner_(owner) {}

  // Runs the chain; true when every engine ended with 0. An engine that ends with 1 has told
  // the user why; any other end is reported here.
  bool run(const std::filesystem::path& install_folder,
           const std::filesystem::path& work_folder);

 private:
  UiPort& ui_;
  QWidget* owner_;
};

}  // namespace qvt::shell
