#include "frontend/dialogs/about_dialog.h"

#include <gtest/gtest.h>

namespace qvt::dialogs {
namespace {

TEST(AboutDialog, TextsAndYearRange) {
  const AboutTexts t = about_texts("2.5.1", kAboutFirstYear);
  EXPECT_EQ(t.caption, "Tervaneのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(t.product_name, "Tervane");
  EXPECT_EQ(t.platform, "for Linux");
  EXPECT_EQ(t.version, "ﾊﾞｰｼﾞｮﾝ 2.5.1");
  EXPECT_EQ(t.copyright, "© 2026 Qvta_win maintainers");
  EXPECT_EQ(t.web_address, "－");
  EXPECT_EQ(about_texts("2.5.1", kAboutFirstYear + 2).copyright, "© 2026-2028 Qvta_win maintainers");
  // A clock behind the first year shows the first year alone.
  EXPECT_EQ(about_year_range(2026, 1970), "2026");
}

TEST(AboutDialog, OnlyWebAddressesAreOpened) {
  EXPECT_TRUE(is_web_address("https://example.org/qvta"));
  EXPECT_TRUE(is_web_address("http://example.org"));
  EXPECT_FALSE(is_web_address("－"));
  EXPECT_FALSE(is_web_address("file:///bin/sh"));
  EXPECT_FALSE(is_web_address("https://a b"));
}

}  // namespace
}  // namespace qvt::dialogs
