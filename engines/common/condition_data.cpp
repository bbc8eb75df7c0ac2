#include "engines/common/condition_data.h"

namespace qvt::engine {

ConditionData& condition_data() {
  // Static storage: zero before anything reads into it, as the engines expect.
  static ConditionData data;
  return data;
}

}  // namespace qvt::engine
