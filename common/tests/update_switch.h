#pragma once
// The switches that let a test write its expected files anew instead of comparing with them
// (QVT_UPDATE_GOLDENS for the engines' goldens, QVT_UPDATE_SAMPLES for the shipped samples and
// the test sections). All read one way: on only when set to something other than "" or "0", so
// QVT_UPDATE_SAMPLES=0 can never rewrite a shipped file.
#include <cstdlib>
#include <string_view>

namespace qvt::testing {

inline bool update_switch_on(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && std::string_view(v) != "" && std::string_view(v) != "0";
}

}  // namespace qvt::testing
