#include "frontend/model/folders.h"
#include "frontend/model/sibling_import.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/settings_store.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QAction>
#include <QPushButton>

#include <memory>

namespace qvt::shell::testing {
namespace {

using model::BLOCK_EMPTY;
using model::BLOCK_RECTANGLE;
using model::BLOCK_SOIL_POLYGON;
using model::BLOCK_SOIL_RECTANGLE;

class ReplaceTest : public ShellTest {
 protected:
  ReplaceTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->set_sibling_import(&import);
    window->load();
    window->show();
    // The project being edited: a wall block, improved-soil blocks in slots 6 and 9, label
    // numbers told apart by slot, a shape in the library; saved, so no question is asked.
    model::ProjectModel& m = window->model();
    block(2, BLOCK_RECTANGLE, "old wall");
    block(6, BLOCK_SOIL_RECTANGLE, "soil A");
    block(9, BLOCK_SOIL_POLYGON, "soil B");
    for (int k = 0; k < model::MAX_WALL_BLOCKS; ++k)
      m.block_label_numbers[k] = static_cast<model::i16>(10 * k);
    m.shape_library_count = 1;
    m.shape_library[0].name = "old shape";
    m.conditions.water_levels[1] = -0.5;  // not written by the import: kept
    // The page shows what was set behind its back, so its commit keeps it.
    window->pages().load_design_conditions_page();
    // The improved body's height is derived from the soil blocks set here.
    window->pages().load_improved_body_page();
    window->pages().store_improved_body_page();
    ui.files.push_back(qpath("edited.msj"));
    EXPECT_TRUE(window->save_project_as());
    write_file_bytes(work() / "DM003KAT.PDT", "old result");
    ui.shown.clear();
  }
  void block(int slot, model::i16 type, const std::string& name) {
    auto& b = window->model().wall_blocks[slot];
    b.block_type = type;
    b.polygon.head.name = name;
    b.polygon.vertex_count = 4;
    b.polygon.vertex_x[0] = slot;
  }
  const model::WallBlock& slot(int k) const { return window->model().wall_blocks[k]; }
  std::string caption() const { return window->windowTitle().toStdString(); }
  static std::string recent(int n) {
    return get_setting(QStringLiteral("Recent Files"), QStringLiteral("RecentFile%1").arg(n))
        .toStdString();
  }
  std::string org() const { return *read_file_bytes(work() / "QVTAJKN.ORG"); }

  // Everything a replacement that does not happen must leave alone.
  struct Kept {
    std::string caption, dlg1, path, org, recent1;
    std::vector<model::i16> types;
  };
  Kept kept() const {
    Kept k{caption(), window->project_name().toStdString(), window->model().project_file_path,
           org(), recent(1), {}};
    for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s) k.types.push_back(slot(s).block_type);
    return k;
  }
  void expect_unchanged(const Kept& before) {
    const Kept now = kept();
    EXPECT_EQ(now.caption, before.caption);
    EXPECT_EQ(now.dlg1, before.dlg1);
    EXPECT_EQ(now.path, before.path);
    EXPECT_EQ(now.org, before.org);
    EXPECT_EQ(now.recent1, before.recent1);
    EXPECT_EQ(now.types, before.types);
    EXPECT_EQ(slot(6).polygon.head.name, "soil A");
    EXPECT_EQ(window->model().shape_library_count, 1);
    EXPECT_TRUE(exists_in_work("DM003KAT.PDT"));
  }

  FakeSiblingImport import;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ReplaceTest, SiblingBlocksComeFirstAndTheKeptBlocksFollowInOrder) {
  EXPECT_EQ(window->replace_superstructure_button()->text(), QStringLiteral("上部工の入れ替え"));
  EXPECT_TRUE(window->replace_superstructure_button()->isVisible());
  ui.files.push_back(qpath("sib.tj2"));
  window->replace_superstructure_button()->click();
  ASSERT_EQ(ui.shown.size(), 1u);  // the file dialog only
  EXPECT_EQ(ui.shown[0].what, Shown::What::OpenDialog);
  EXPECT_EQ(ui.shown[0].request.filter.toStdString(),
            "ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj);;Brakmoorﾃﾞｰﾀ ﾌｧｲﾙ (*.tj2)");
  EXPECT_EQ(import.bases, std::vector<std::string>{path("sib").string()});

  for (int k = 0; k < 4; ++k) EXPECT_EQ(slot(k).polygon.head.name, "sibling") << k;
  EXPECT_EQ(slot(4).block_type, BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(slot(4).polygon.head.name, "soil A");
  EXPECT_EQ(slot(4).polygon.vertex_x[0], 6);
  EXPECT_EQ(slot(5).block_type, BLOCK_SOIL_POLYGON);
  EXPECT_EQ(slot(5).polygon.head.name, "soil B");
  for (int k = 6; k < model::MAX_WALL_BLOCKS; ++k) EXPECT_EQ(slot(k).block_type, BLOCK_EMPTY) << k;
  // The put-back blocks keep their new slots' label numbers.
  EXPECT_EQ(window->model().block_label_numbers[4], 40);
  EXPECT_EQ(window->model().block_label_numbers[5], 50);
  EXPECT_EQ(window->model().block_label_numbers[0], 1);
  EXPECT_EQ(window->model().shape_library_count, 0);
  EXPECT_EQ(window->model().shape_library[0].name, "");
  EXPECT_EQ(window->model().conditions.water_levels[0], 1.8);
  EXPECT_EQ(window->model().conditions.water_levels[1], -0.5);

  // Named after the sibling file, not entered in the recent-file list; "ORG" is the new state
  // and the old results are gone.
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - sib");
  EXPECT_EQ(window->project_name().toStdString(), "sib");
  EXPECT_EQ(window->model().project_base_path, path("sib").string());
  EXPECT_EQ(recent(1), path("edited.msj").string());
  EXPECT_FALSE(exists_in_work("DM003KAT.PDT"));
  EXPECT_EQ(window->current_page(), 0);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(ReplaceTest, TheFirstSaveAsksBeforeReplacingAProjectBesideTheSiblingFile) {
  write_file_bytes(path("sib.MSJ"), "someone else's");
  ui.files.push_back(qpath("sib.tj2"));
  window->replace_superstructure();
  ui.shown.clear();
  ui.answers = {Answer::No};
  EXPECT_FALSE(window->save_project());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "上書き保存");
  EXPECT_EQ(ui.shown[0].text, path("sib.MSJ").string() + " は既に存在します。\n上書きしますか？");
  EXPECT_EQ(*read_file_bytes(path("sib.MSJ")), "someone else's");

  ui.answers = {Answer::Yes};
  EXPECT_TRUE(window->save_project());
  EXPECT_NE(*read_file_bytes(path("sib.MSJ")), "someone else's");
  EXPECT_TRUE(std::filesystem::exists(path("sib.MBJ")));
  // Once saved, the pair is the project's own: no more questions.
  ui.shown.clear();
  EXPECT_TRUE(window->save_project());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ReplaceTest, WithoutSoilBlocksTheSiblingProjectIsTakenOver) {
  window->model().wall_blocks[6].block_type = BLOCK_EMPTY;
  window->model().wall_blocks[9].block_type = BLOCK_EMPTY;
  window->reload_pages_and_take_snapshot();
  import.brings_shape = true;
  ui.files.push_back(qpath("sib.tj2"));
  window->replace_superstructure();
  EXPECT_EQ(window->model().wall_blocks[4].block_type, BLOCK_EMPTY);
  EXPECT_EQ(window->model().wall_blocks[3].block_type, BLOCK_RECTANGLE);
  EXPECT_EQ(window->model().shape_library_count, 1);
  EXPECT_EQ(window->model().shape_library[0].name, "from sibling");
}

TEST_F(ReplaceTest, AProjectFileIsLoadedAsItStandsAndListed) {
  // A project with slot 0 empty and a block in slot 3.
  for (int k = 0; k < model::MAX_WALL_BLOCKS; ++k)
    window->model().wall_blocks[k].block_type = BLOCK_EMPTY;
  block(3, BLOCK_SOIL_POLYGON, "other");
  ui.files.push_back(qpath("other.msj"));
  ASSERT_TRUE(window->save_project_as());
  // Back to the edited project, then replace from the other one.
  ui.files.push_back(qpath("edited.msj"));
  window->open_project();
  ASSERT_EQ(slot(6).block_type, BLOCK_SOIL_RECTANGLE);
  ui.shown.clear();
  ui.files.push_back(qpath("other.msj"));
  window->replace_superstructure();
  EXPECT_TRUE(import.bases.empty());
  EXPECT_EQ(slot(0).block_type, BLOCK_EMPTY);
  EXPECT_EQ(slot(3).polygon.head.name, "other");
  for (int k = 0; k < model::MAX_WALL_BLOCKS; ++k) {
    if (k == 3) continue;
    EXPECT_EQ(slot(k).block_type, BLOCK_EMPTY) << k;
  }
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - other");
  EXPECT_EQ(recent(1), path("other.msj").string());
  EXPECT_EQ(recent(2), path("edited.msj").string());
}

TEST_F(ReplaceTest, AReplacementThatCannotBeCompletedChangesNothing) {
  struct Case {
    const char* name;
    std::optional<QString> file;
    int fill;
    bool ok;
    bool with_import;
    std::string message;  // the last box, or empty
  };
  const Case cases[] = {
      {"cancel", std::nullopt, 4, true, true, ""},
      {"failed import", qpath("sib.tj2"), 4, false, true, "検討点ﾌｧｲﾙ(.TK2)が読み込み出来ません。"},
      {"no slot left", qpath("sib.tj2"), 20, true, true,
       "改良体ブロックを戻す空きブロックがありません。\n"
       "上部工の入れ替えを中止します。（改良体 2 個、空き 0 個）"},
      {"19 slots for 2 blocks", qpath("sib.tj2"), 19, true, true,
       "改良体ブロックを戻す空きブロックがありません。\n"
       "上部工の入れ替えを中止します。（改良体 2 個、空き 1 個）"},
      {"unknown suffix", qpath("sib.tj3"), 4, true, true, "ファイルオープンエラー"},
      {"no importer yet", qpath("sib.tj2"), 4, true, false,
       "Brakmoorデータ(.tj2/.tj3)の読込みは、この版ではまだ使用できません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Kept before = kept();
    import.fill = c.fill;
    import.ok = c.ok;
    window->set_sibling_import(c.with_import ? &import : nullptr);
    ui.shown.clear();
    ui.files.push_back(c.file);
    window->replace_superstructure();
    if (c.message.empty()) {
      EXPECT_TRUE(ui.box_texts().empty());
    } else {
      ASSERT_FALSE(ui.box_texts().empty());
      EXPECT_EQ(ui.box_texts().back(), c.message);
    }
    expect_unchanged(before);
    EXPECT_EQ(window->model().conditions.water_levels[0], 0);
  }
  // Still the saved project: closing asks nothing.
  ui.shown.clear();
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace qvt::shell::testing
