#pragma once
// The bearing capacity factors Nr and Nq by the angle of internal friction, from the table file
// sj_keisu that is shipped beside the programs.
#include <filesystem>

namespace qvt::model {

inline constexpr const char* kBearingFactorFile = "sj_keisu";
// Said once a session when sj_keisu cannot be read; the page goes on with an empty table.
inline constexpr const char* kMsgBearingFactorFileUnreadable =
    "支持力係数ﾌｧｲﾙ(sj_keisu)が読み込み出来ません。";

struct BearingFactors {
  double nr = 0, nq = 0;
  // False when the file could not be opened; the factors are then those of an empty table.
  bool table_read = true;
};

// The first line of `table` is a heading. Each further line is a record: a key of 4 characters
// (the angle in whole degrees), Nr in 8 and Nq in 4, each read from its leading number. The first
// record whose key equals `phi` truncated toward zero gives the factors; none gives 0 and 0.
// Whatever the table says, an angle whose truncated value is 40 or more gives 114 and 80.
BearingFactors lookup_bearing_factors(const std::filesystem::path& table, double phi);

}  // namespace qvt::model
