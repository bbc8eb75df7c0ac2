#include "frontend/import/sibling_importer.h"
#include "frontend/model/folders.h"
#include "frontend/model/sibling_import.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/settings_store.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <memory>

namespace qvt::shell::testing {
namespace {

using model::BLOCK_EMPTY;
using model::BLOCK_RECTANGLE;
using model::BLOCK_SOIL_POLYGON;
using model::BLOCK_SOIL_RECTANGLE;

class OpenSiblingTest : public ShellTest {
 protected:
  OpenSiblingTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    import.fill = 5;
    window->set_sibling_import(&import);
    window->load();
    window->show();
    model::ProjectModel& m = window->model();
    block(3, BLOCK_SOIL_RECTANGLE, "soil A");
    block(7, BLOCK_SOIL_POLYGON, "soil B");
    m.conditions.water_levels[1] = -0.5;
    // The pages show what was set behind their back, so their commits keep it.
    window->pages().load_design_conditions_page();
    window->pages().load_improved_body_page();
    window->pages().store_improved_body_page();
    ui.files.push_back(qpath("edited.msj"));
    EXPECT_TRUE(window->save_project_as());
    ui.shown.clear();
  }
  void block(int slot, model::i16 type, const std::string& name) {
    auto& b = window->model().wall_blocks[slot];
    b.block_type = type;
    b.polygon.head.name = name;
    b.polygon.vertex_count = 4;
  }
  const model::WallBlock& slot(int k) const { return window->model().wall_blocks[k]; }
  std::string caption() const { return window->windowTitle().toStdString(); }
  static std::string recent(int n) {
    return get_setting(QStringLiteral("Recent Files"), QStringLiteral("RecentFile%1").arg(n))
        .toStdString();
  }

  FakeSiblingImport import;
  std::unique_ptr<MainWindow> window;
};

TEST_F(OpenSiblingTest, NoKeepsTheSoilBlocksAfterTheSiblingsOnes) {
  ui.files.push_back(qpath("sib.tj2"));
  ui.answers.push_back(Answer::No);
  window->open_project();
  ASSERT_EQ(ui.shown.size(), 2u);  // the file dialog and the question
  EXPECT_EQ(ui.shown[1].title, "読込み方法確認");
  EXPECT_EQ(import.bases, std::vector<std::string>{path("sib").string()});
  EXPECT_EQ(import.seen_water, std::vector<double>{-0.5});  // nothing reset
  for (int k = 0; k < 5; ++k) EXPECT_EQ(slot(k).polygon.head.name, "sibling") << k;
  EXPECT_EQ(slot(5).polygon.head.name, "soil A");
  EXPECT_EQ(slot(6).polygon.head.name, "soil B");
  EXPECT_EQ(window->model().block_label_numbers[5], 5);
  EXPECT_EQ(window->model().block_label_numbers[6], 6);
  for (int k = 7; k < model::MAX_WALL_BLOCKS; ++k) EXPECT_EQ(slot(k).block_type, BLOCK_EMPTY);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - sib");
  EXPECT_EQ(recent(1), path("edited.msj").string());
}

TEST_F(OpenSiblingTest, YesResetsFirstAndCancelStops) {
  ui.files.push_back(qpath("sib.tj2"));
  ui.answers.push_back(Answer::Cancel);
  window->open_project();
  EXPECT_TRUE(import.bases.empty());
  EXPECT_EQ(slot(3).polygon.head.name, "soil A");
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - edited");

  ui.files.push_back(qpath("sib.tj2"));
  ui.answers.push_back(Answer::Yes);
  window->open_project();
  ASSERT_EQ(import.seen_water.size(), 1u);
  EXPECT_EQ(import.seen_water[0], 0);  // the reset came first
  EXPECT_EQ(slot(5).block_type, BLOCK_EMPTY);
  EXPECT_EQ(slot(7).block_type, BLOCK_EMPTY);
  EXPECT_EQ(window->model().conditions.water_levels[0], 1.8);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - sib");
}

TEST_F(OpenSiblingTest, AFailedImportChangesNothing) {
  import.ok = false;
  ui.files.push_back(qpath("sib.tj2"));
  ui.answers.push_back(Answer::Yes);
  window->open_project();
  EXPECT_EQ(import.bases.size(), 1u);
  EXPECT_EQ(slot(3).polygon.head.name, "soil A");
  EXPECT_EQ(slot(0).block_type, BLOCK_EMPTY);
  EXPECT_EQ(window->model().conditions.water_levels[1], -0.5);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - edited");
  EXPECT_EQ(window->model().project_base_path, path("edited").string());
}

TEST_F(OpenSiblingTest, ASingleFileDesignResetsWithoutAskingAndItsFirstSaveAsks) {
  write_file_bytes(path("sib.MSJ"), "someone else's");
  ui.files.push_back(qpath("sib.tj3"));
  window->open_project();
  ASSERT_EQ(ui.shown.size(), 1u);  // the file dialog only: the soil blocks are not asked about
  EXPECT_EQ(import.tj3_bases, std::vector<std::string>{path("sib").string()});
  EXPECT_TRUE(import.bases.empty());
  EXPECT_EQ(import.seen_water, std::vector<double>{0});  // the reset came first
  for (int k = 0; k < 5; ++k) EXPECT_EQ(slot(k).polygon.head.name, "sibling") << k;
  EXPECT_EQ(slot(7).block_type, BLOCK_EMPTY);
  EXPECT_EQ(window->model().conditions.water_levels[0], 1.8);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - sib");
  EXPECT_EQ(window->model().project_base_path, path("sib").string());
  EXPECT_EQ(recent(1), path("edited.msj").string());
  EXPECT_EQ(recent(2), "");

  ui.shown.clear();
  ui.answers = {Answer::No};
  EXPECT_FALSE(window->save_project());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "上書き保存");
  EXPECT_EQ(ui.shown[0].text, path("sib.MSJ").string() + " は既に存在します。\n上書きしますか？");
  EXPECT_EQ(*read_file_bytes(path("sib.MSJ")), "someone else's");
}

// A design taken over from the sibling program is named after its file: its dialogs start in
// that file's folder, with its title.
TEST_F(OpenSiblingTest, ItsDialogsStartInTheFolderOfTheSiblingsFile) {
  std::filesystem::create_directories(path("s"));
  ui.files.push_back(qpath("s/sib.tj3"));
  window->open_project();
  ASSERT_EQ(caption(), "Tervane Ver2.5.1 - sib");
  ui.shown.clear();
  window->open_project();  // cancelled
  EXPECT_FALSE(window->save_project_as());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].request.start, qpath("s/sib"));
  EXPECT_EQ(ui.shown[1].request.start, qpath("s/sib"));
}

TEST_F(OpenSiblingTest, AFailedSingleFileImportChangesNothing) {
  // The program's own importer on a file that ends before its other forces.
  import::SiblingImporter real(nullptr);
  window->set_sibling_import(&real);
  write_file_bytes(path("sib.TJ3"), "2200\r\n");
  ui.files.push_back(qpath("sib.TJ3"));
  window->open_project();
  EXPECT_EQ(ui.box_texts(),
            std::vector<std::string>{"条件ﾌｧｲﾙ(.CJ3)の読み込み途中でエラーが発生しました。"});
  EXPECT_EQ(slot(3).polygon.head.name, "soil A");
  EXPECT_EQ(slot(0).block_type, BLOCK_EMPTY);
  EXPECT_EQ(window->model().conditions.water_levels[1], -0.5);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - edited");
  EXPECT_EQ(window->model().project_base_path, path("edited").string());
  window->set_sibling_import(&import);
}

}  // namespace
}  // namespace qvt::shell::testing
