// The update switches of the goldens and the samples read one way: unset, empty or "0" leaves
// every expected file alone; anything else rewrites them.
#include "common/tests/update_switch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qvt::testing {
namespace {

// Sets a variable (nullptr: removes it) for a while and puts back what was there, so a run with
// a switch on still updates the expected files of the tests after this one.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UpdateSwitch, UnsetEmptyOrZeroIsOffAnythingElseIsOn) {
  struct Case {
    const char* value;  // nullptr: not set
    bool on;
  };
  const Case cases[] = {{nullptr, false}, {"", false}, {"0", false},
                        {"1", true},      {"2", true}, {"yes", true}};
  for (const char* name : {"QVT_UPDATE_GOLDENS", "QVT_UPDATE_SAMPLES"}) {
    for (const Case& c : cases) {
      ScopedVariable set(name, c.value);
      EXPECT_EQ(update_switch_on(name), c.on) << name << "=" << (c.value ? c.value : "(unset)");
    }
  }
}

}  // namespace
}  // namespace qvt::testing
