// The shipped documents are rendered from Markdown with their pictures. A picture that the
// Markdown names but the build cannot find must fail, not leave a manual without its figures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = QVT_SOURCE_DIR;
const fs::path kBin = QVT_BIN_DIR;
const fs::path kRenderer = fs::path(QVT_BIN_DIR).parent_path() / "tools" / "render_document";

std::string read_all(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_all(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

std::size_t count_matches(const std::string& text, const std::regex& re) {
  return static_cast<std::size_t>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

// Page objects of a PDF ("/Type /Page", not the "/Pages" tree) and image objects.
std::size_t pdf_pages(const std::string& pdf) {
  return count_matches(pdf, std::regex(R"(/Type\s*/Page(?![a-zA-Z]))"));
}
std::size_t pdf_images(const std::string& pdf) {
  return count_matches(pdf, std::regex(R"(/Subtype\s*/Image\b)"));
}

// The pictures named by ![...](path) in a Markdown text.
std::set<std::string> pictures_named(const std::string& markdown) {
  std::set<std::string> names;
  const std::regex re(R"(!\[[^\]]*\]\(([^)]+)\))");
  for (auto it = std::sregex_iterator(markdown.begin(), markdown.end(), re);
       it != std::sregex_iterator(); ++it)
    names.insert((*it)[1].str());
  return names;
}

// Runs the renderer from `cwd`, so relative names cannot be resolved against the caller's
// folder by accident. Returns its exit status.
int render(const fs::path& cwd, const fs::path& md, const fs::path& pdf) {
  const std::string command = "cd '" + cwd.string() + "' && QT_QPA_PLATFORM=offscreen '" +
                              kRenderer.string() + "' '" + md.string() + "' '" + pdf.string() +
                              "' test >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class RenderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("qvt_render_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "manual");
    fs::create_directories(root_ / "elsewhere");
    fs::copy_file(kSource / "docs" / "about-dialog.png", root_ / "picture.png");
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

}  // namespace

TEST(ShippedManual, EveryNamedPictureExistsAndIsInThePdf) {
  const fs::path md = kSource / "docs" / "manual" / "操作説明.md";
  const std::set<std::string> names = pictures_named(read_all(md));
  ASSERT_GE(names.size(), 20u) << "the manual shows its pages and dialogs";
  for (const std::string& name : names)
    EXPECT_TRUE(fs::exists(md.parent_path() / name)) << name;

  const std::string pdf = read_all(kBin / "操作説明.pdf");
  ASSERT_FALSE(pdf.empty());
  EXPECT_GE(pdf_images(pdf), names.size());
  EXPECT_GE(pdf_pages(pdf), 20u);
}

TEST(ShippedManual, OverviewAndHistoryRender) {
  for (const char* doc : {"商品概説.pdf", "更新履歴.pdf"}) {
    const std::string pdf = read_all(kBin / doc);
    EXPECT_GE(pdf_pages(pdf), 1u) << doc;
  }
}

// Where the picture lies relative to the Markdown file, how the Markdown names it, and whether
// the renderer finds it.
TEST_F(RenderFixture, PicturesAreFoundRelativeToTheMarkdownFile) {
  struct Case {
    const char* reference;
    bool found;
  } const cases[] = {
      {"../picture.png", true},
      {"missing.png", false},
      {"picture.png", false},  // it lies beside the caller's folder, not beside the Markdown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    const fs::path md = root_ / "manual" / "doc.md";
    const fs::path pdf = root_ / "manual" / "doc.pdf";
    fs::remove(pdf);
    write_all(md, std::string("# 見出し\n\n本文。\n\n![図](") + c.reference + ")\n");
    const int status = render(root_, md, pdf);
    if (c.found) {
      EXPECT_EQ(status, 0);
      const std::string out = read_all(pdf);
      EXPECT_EQ(pdf_pages(out), 1u);
      EXPECT_GE(pdf_images(out), 1u);
    } else {
      EXPECT_NE(status, 0);
    }
  }
}

TEST_F(RenderFixture, PicturesFlowOverSeveralPages) {
  // Twelve copies of one picture do not fit one page: the layout breaks between them.
  std::string md = "# 図\n\n";
  for (int i = 0; i < 12; ++i) md += "![図](../picture.png)\n\n";
  write_all(root_ / "manual" / "many.md", md);
  ASSERT_EQ(render(root_ / "elsewhere", root_ / "manual" / "many.md", root_ / "many.pdf"), 0);
  const std::string out = read_all(root_ / "many.pdf");
  EXPECT_GE(pdf_pages(out), 2u);
  EXPECT_GE(pdf_images(out), 1u);
}
