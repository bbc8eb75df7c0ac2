// The shipped documents are rendered from Markdown with their pictures. A picture that the
// Markdown names but the build cannot find must fail, not leave a manual without its figures;
// a table row that the Markdown reader leaves outside its table must fail too, not print as a
// line of "|" text.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

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

const char* const kDocuments[] = {"操作説明.md", "商品概説.md", "更新履歴.md"};

// The Markdown reader of the renderer needs the application's fonts.
void ensure_application() {
  static int argc = 1;
  static char name[] = "document_tests";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

// The lines of a Markdown text that are table rows: they begin with "|" and a blank, "|", ":" or
// "-" (so "|ε| の値" is text), without the separator lines under the headers.
std::size_t markdown_table_rows(const std::string& markdown) {
  const std::regex row(R"(^\|[\s|:-])");
  const std::regex separator(R"(^\|[\s|:-]+$)");
  std::size_t rows = 0;
  std::istringstream in(markdown);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (std::regex_search(line, row) && !std::regex_match(line, separator)) ++rows;
  }
  return rows;
}

// The rows of every table that the renderer's Markdown reader makes of the text.
std::size_t rendered_table_rows(const std::string& markdown) {
  ensure_application();
  QTextDocument doc;
  doc.setMarkdown(QString::fromStdString(markdown));
  std::size_t rows = 0;
  for (QTextFrame* frame : doc.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) rows += static_cast<std::size_t>(table->rows());
  return rows;
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

// A blank line inside a table, or a row broken over two lines, leaves rows out of the table (they
// print as "|" text) or makes a row of the broken line's end: either way the rows the reader makes
// differ from the rows the Markdown writes.
TEST(ShippedManual, EveryTableRowRendersAsARowOfItsTable) {
  for (const char* name : kDocuments) {
    SCOPED_TRACE(name);
    const std::string markdown = read_all(kSource / "docs" / "manual" / name);
    ASSERT_FALSE(markdown.empty());
    EXPECT_EQ(rendered_table_rows(markdown), markdown_table_rows(markdown));
  }
}

// The menus show "開く（O）" with the key letter, never the "&" that marks it in the program's
// captions; the documents name the items as the user sees them.
TEST(ShippedManual, MenuItemsAreNamedAsTheMenusShowThem) {
  const std::regex marked(R"((（|\()&[A-Za-z](）|\)))");
  for (const char* name : kDocuments) {
    const std::string markdown = read_all(kSource / "docs" / "manual" / name);
    std::smatch m;
    EXPECT_FALSE(std::regex_search(markdown, m, marked)) << name << ": " << m.str();
  }
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

// A table row that the reader leaves outside a table fails the render; text that merely begins
// with "|" does not.
TEST_F(RenderFixture, TableRowsOutsideATableFailTheRender) {
  struct Case {
    const char* what;
    const char* markdown;
    bool renders;
  } const cases[] = {
      {"a whole table", "| a | b |\n|---|---|\n| 1 | 2 |\n| 3 | 4 |\n", true},
      {"a blank line inside", "| a | b |\n|---|---|\n| 1 | 2 |\n\n| 3 | 4 |\n", false},
      {"rows without a header", "本文。\n\n| 1 | 2 |\n| 3 | 4 |\n", false},
      {"text beginning with |ε|", "|ε| が 0.8 を超えます。\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path md = root_ / "manual" / "table.md";
    const fs::path pdf = root_ / "manual" / "table.pdf";
    fs::remove(pdf);
    write_all(md, std::string("# 表\n\n") + c.markdown);
    const int status = render(root_, md, pdf);
    if (c.renders) {
      EXPECT_EQ(status, 0);
      EXPECT_EQ(pdf_pages(read_all(pdf)), 1u);
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
