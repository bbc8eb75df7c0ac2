#include "frontend/model/bearing_factors.h"

#include "common/tests/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

namespace qvt::model {
namespace {

void write(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// A small table with records for 35, 39, 40, 45 and a negative key; no record for 12.
const char* const kFixture =
    "PHI      NR  NQ\r\n"
    "  -3    0.501.20\r\n"
    "  35   46.5241.4\r\n"
    "  39   97.9670.6\r\n"
    "  40  200.0099.0\r\n"
    "  45  300.0099.9\r\n";

struct LookupCase {
  double phi;
  double nr, nq;
};

class BearingFactorLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(BearingFactorLookup, FindsTheRecordOfTheTruncatedAngle) {
  qvt::testing::TempDir dir;
  write(dir / "sj_keisu", kFixture);
  const LookupCase c = GetParam();
  const BearingFactors f = lookup_bearing_factors(dir / "sj_keisu", c.phi);
  EXPECT_TRUE(f.table_read);
  EXPECT_DOUBLE_EQ(f.nr, c.nr) << c.phi;
  EXPECT_DOUBLE_EQ(f.nq, c.nq) << c.phi;
}

INSTANTIATE_TEST_SUITE_P(Cases, BearingFactorLookup,
                         ::testing::Values(LookupCase{35.7, 46.52, 41.4},
                                           LookupCase{35.0, 46.52, 41.4},
                                           LookupCase{39.99, 97.96, 70.6},
                                           LookupCase{40.0, 114, 80},
                                           LookupCase{45.2, 114, 80},
                                           LookupCase{12.0, 0, 0},
                                           LookupCase{-3.5, 0.5, 1.2},
                                           LookupCase{-0.5, 0, 0}));

TEST(BearingFactorLookupTable, LfLineEndsReadTheSame) {
  qvt::testing::TempDir dir;
  std::string lf = kFixture;
  for (std::size_t at; (at = lf.find('\r')) != std::string::npos;) lf.erase(at, 1);
  write(dir / "sj_keisu", lf);
  const BearingFactors f = lookup_bearing_factors(dir / "sj_keisu", 39.0);
  EXPECT_DOUBLE_EQ(f.nr, 97.96);
  EXPECT_DOUBLE_EQ(f.nq, 70.6);
}

TEST(BearingFactorLookupTable, HeadingOnlyGivesZeroBelowFortyAndTheFixedPairFromForty) {
  qvt::testing::TempDir dir;
  write(dir / "sj_keisu", "PHI      NR  NQ\r\n");
  BearingFactors f = lookup_bearing_factors(dir / "sj_keisu", 35.0);
  EXPECT_TRUE(f.table_read);
  EXPECT_EQ(f.nr, 0);
  EXPECT_EQ(f.nq, 0);
  f = lookup_bearing_factors(dir / "sj_keisu", 41.0);
  EXPECT_EQ(f.nr, 114);
  EXPECT_EQ(f.nq, 80);
}

TEST(BearingFactorLookupTable, MissingFileIsAnEmptyTableAndSaysSo) {
  qvt::testing::TempDir dir;
  BearingFactors f = lookup_bearing_factors(dir / "sj_keisu", 35.0);
  EXPECT_FALSE(f.table_read);
  EXPECT_EQ(f.nr, 0);
  EXPECT_EQ(f.nq, 0);
  f = lookup_bearing_factors(dir / "sj_keisu", 41.0);
  EXPECT_FALSE(f.table_read);
  EXPECT_EQ(f.nr, 114);
  EXPECT_EQ(f.nq, 80);
}

// Every derived record of the shipped table is recomputed from the formulas given in
// data/README.md; the last record holds the fixed pair used from 40 degrees on.
TEST(ShippedBearingFactorTable, RecordsFollowTheFormulas) {
  std::ifstream in(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "sj_keisu", std::ios::binary);
  ASSERT_TRUE(in);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string all = ss.str();
  const std::size_t body = all.find("\r\n");
  ASSERT_NE(body, std::string::npos);
  const std::string records = all.substr(body + 2);
  ASSERT_EQ(records.size(), 41u * 18u);
  for (int k = 0; k <= 40; ++k) {
    const std::string rec = records.substr(static_cast<std::size_t>(k) * 18, 18);
    ASSERT_EQ(rec.substr(16), "\r\n") << k;
    char want[32];
    if (k == 40) {
      std::snprintf(want, sizeof want, "%4d%8.2f%4.1f\r\n", 40, 114.0, 80.0);
    } else {
      const double p = k * std::numbers::pi / 180;
      const double c = std::cos(std::numbers::pi / 4 + p / 2);
      const double nq = std::exp(2 * (3 * std::numbers::pi / 4 - p / 2) * std::tan(p)) / (2 * c * c);
      double nr = (nq - 1) * std::tan(1.4 * p);
      if (std::fabs(nr) < 0.005) nr = 0;
      std::snprintf(want, sizeof want, nq < 10 ? "%4d%8.2f%4.2f\r\n" : "%4d%8.2f%4.1f\r\n", k, nr,
                    nq);
    }
    EXPECT_EQ(rec, want) << k;
  }
  // Hand-checked rows.
  const auto row = [&](int k) { return records.substr(static_cast<std::size_t>(k) * 18, 16); };
  EXPECT_EQ(row(0), "   0    0.001.00");
  EXPECT_EQ(row(30), "  30   19.3222.5");
  EXPECT_EQ(row(35), "  35   46.5241.4");
  EXPECT_EQ(row(39), "  39   97.9670.6");
  const BearingFactors f =
      lookup_bearing_factors(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "sj_keisu", 30.4);
  EXPECT_DOUBLE_EQ(f.nr, 19.32);
  EXPECT_DOUBLE_EQ(f.nq, 22.5);
}

}  // namespace
}  // namespace qvt::model
