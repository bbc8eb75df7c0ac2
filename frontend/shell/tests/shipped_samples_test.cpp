// The shipped samples (data/samples/) through the main window: each is the file the front end
// itself writes (opened, every page and tab visited, saved: both files unchanged, byte for
// byte), each is the section built in frontend/model/tests/shipped_samples.h, and a calculation
// from the toolbar with the real engines opens the results dialog and the eccentric load check
// without a message box, and the check passes in both cases.
//
// QVT_UPDATE_SAMPLES=1 writes the samples anew from the built sections through the main window;
// QVT_DOCS_DIR=<folder> saves the section picture, the results table and the eccentric load
// dialog (the clay one with the classes that fit chosen) of every sample there.
#include "common/tests/update_switch.h"
#include "frontend/model/folders.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/display_text.h"
#include "frontend/model/tests/shipped_samples.h"
#include "frontend/results/tests/fitting_clay_classes.h"
#include "frontend/results/widgets/clay_check_dialog.h"
#include "frontend/results/widgets/sand_check_dialog.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/tests/shell_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <memory>

namespace qvt::shell::testing {
namespace {

namespace fs = std::filesystem;

struct ShippedSample {
  const char* name;
  bool (*build)(model::ProjectModel&);
};
const ShippedSample kShipped[] = {
    {"sample_block_rectangle_sand", model::testing::build_block_rectangle_sand},
    {"sample_wall_caisson_clay", model::testing::build_wall_caisson_clay},
    {"sample_circle_counterfort_sand", model::testing::build_circle_counterfort_sand},
    {"sample_lattice_block_clay", model::testing::build_lattice_block_clay}};

fs::path shipped(const char* name, const char* ext) {
  return fs::path(QVT_SOURCE_DIR) / "data" / "samples" / (std::string(name) + ext);
}

class ShippedSamplesTest : public ShellTest {
 protected:
  ShippedSamplesTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
  }

  // Opens base.MSJ in the main window, shows every input page and every tab on it, and saves.
  void open_visit_save(const fs::path& base) {
    ui.files.push_back(QString::fromStdString(base.string() + ".MSJ"));
    window->open_project();
    for (int page = 0; page < kInputPageCount; ++page) {
      window->choose_category(page);
      for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (!tabs->isVisible()) continue;
        for (int t = 0; t < tabs->count(); ++t) tabs->setCurrentIndex(t);
        tabs->setCurrentIndex(0);
      }
    }
    window->choose_category(0);
    ASSERT_TRUE(window->save_project());
    EXPECT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(ShippedSamplesTest, OpenVisitEveryPageAndSaveLeavesBothFilesAsTheyAre) {
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    for (const char* ext : {".MSJ", ".MBJ"})
      fs::copy_file(shipped(s.name, ext), path(std::string(s.name) + ext));
    open_visit_save(path(s.name));
    for (const char* ext : {".MSJ", ".MBJ"}) {
      const auto saved = read_file_bytes(path(std::string(s.name) + ext));
      const auto original = read_file_bytes(shipped(s.name, ext));
      ASSERT_TRUE(saved && original) << ext;
      EXPECT_EQ(*saved, *original) << ext << " changed by the round trip";
    }
  }
}

TEST_F(ShippedSamplesTest, ShippedFilesAreTheBuiltSectionsAsTheMainWindowSavesThem) {
  const bool update = qvt::testing::update_switch_on("QVT_UPDATE_SAMPLES");
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    auto m = std::make_unique<model::ProjectModel>();
    m->work_folder = work();
    model::reset_project_to_defaults(*m);
    ASSERT_TRUE(s.build(*m));
    model::testing::Recorder rec;
    const fs::path base = path(std::string("built_") + s.name);
    ASSERT_EQ(model::write_project_files(*m, base.string(), false, rec), 0);
    open_visit_save(base);
    for (const char* ext : {".MSJ", ".MBJ"}) {
      const auto made = read_file_bytes(base.string() + ext);
      ASSERT_TRUE(made) << ext;
      if (update) {
        write_file_bytes(shipped(s.name, ext), *made);
        continue;
      }
      const auto original = read_file_bytes(shipped(s.name, ext));
      ASSERT_TRUE(original) << ext;
      EXPECT_EQ(*made, *original) << ext << " differs: QVT_UPDATE_SAMPLES=1 after checking";
    }
  }
}

// Each sandy sample's phi is the one its bearing-layer page proposes by the formula the sample
// selects (√(12N) + 15 with N 52: 24.980 + 15 = 39.98, shown as 40.0), and its Nr and Nq the
// page's proposals for that phi (114.00 and 80.00 for 40 degrees), so the eccentric check opens
// on the chart the page's own derivation gives.
TEST_F(ShippedSamplesTest, TheSandyLayersPhiIsTheOneItsFormulaGives) {
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    ui.files.push_back(QString::fromStdString(shipped(s.name, ".MSJ").string()));
    window->open_project();
    window->choose_category(4);  // the bearing layer
    const pages::BearingLayerPage& page = window->pages().bearing_layer();
    const pages::BearingLayerState& state = page.state();
    if (!state.options[pages::kSandyGround]) continue;
    EXPECT_EQ(state.formula, 0);
    EXPECT_EQ(state.proposal[pages::kPhiProposal], "40.00");
    for (int which : {pages::kPhiProposal, pages::kNrProposal, pages::kNqProposal}) {
      const int box = which == pages::kPhiProposal ? pages::kPhiBox
                      : which == pages::kNrProposal ? pages::kNrBox
                                                    : pages::kNqBox;
      EXPECT_EQ(model::leading_number(state.boxes[box].text),
                model::leading_number(state.proposal[which]))
          << which;
    }
  }
}

// The real engines and their data in the install folder: the run of a sample goes from the
// toolbar to the results dialog and the eccentric load check, shows no message box on the way,
// and every check passes.
TEST_F(ShippedSamplesTest, ToolbarCalculationAndEccentricCheckPassWithoutAMessage) {
  for (const char* e : {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE",
                        "MERITAN", "JORPELA", "FAI30.CSV", "FAI35.CSV", "FAI40.CSV", "FAI45.CSV",
                        "KS_AB.CSV"})
    fs::copy_file(fs::path(QVT_BIN_DIR) / e, install() / e, fs::copy_options::overwrite_existing);
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    ui.files.push_back(QString::fromStdString(shipped(s.name, ".MSJ").string()));
    window->open_project();
    if (!docs.isEmpty()) {
      // The superstructure page beside the section picture, chosen as a user does, so its
      // button shows as chosen.
      window->findChild<QRadioButton*>(QStringLiteral("category_1"))->click();
      ASSERT_TRUE(window->grab().save(QString::fromLocal8Bit(docs) +
                                    QStringLiteral("/section-%1.png").arg(s.name)));
    }
    ui.shown.clear();
    ui.on_dialog = [&](QDialog& d) {
      if (docs.isEmpty()) return;
      EXPECT_TRUE(d.grab().save(QString::fromLocal8Bit(docs) +
                                QStringLiteral("/results-%1.png").arg(s.name)));
    };
    window->press_toolbar_button(ToolbarButton::calculate);
    ui.on_dialog = nullptr;
    EXPECT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
    ASSERT_EQ(ui.count(Shown::What::Dialog), 1);
    EXPECT_TRUE(window->isEnabled());
    // The eccentric inclined load check opens on the run's values without a message and passes
    // in both cases: the sand dialog as it opens, on the chart of the layer's 40 degrees; the
    // clay dialog once the classes that fit each case are chosen in its lists.
    ui.shown.clear();
    ui.on_dialog = [&](QDialog& d) {
      if (auto* sand = dynamic_cast<results::SandCheckDialog*>(&d)) {
        for (int c = 0; c < 2; ++c) {
          EXPECT_EQ(sand->chart_box(c)->currentText(), QStringLiteral("40")) << c;
          EXPECT_EQ(sand->verdict_label(c)->text(), QStringLiteral("ＯＫ")) << c;
        }
      } else if (auto* clay = dynamic_cast<results::ClayCheckDialog*>(&d)) {
        for (int c = 0; c < 2; ++c) {
          clay->enter_class_box(c, 0);
          const results::ClayCheckRow& r = clay->check().row(c);
          const auto classes = results::testing::fitting_clay_classes(
              model::leading_number(r.tan_theta_text), model::leading_number(r.ratio_text),
              model::leading_number(r.strength_text));
          for (int list = 0; list < results::kClayListCount; ++list) {
            clay->class_list(list)->setCurrentIndex(classes[list]);
            emit clay->class_list(list)->activated(classes[list]);
          }
          EXPECT_EQ(clay->verdict_label(c)->text(), QStringLiteral("Ｏ.Ｋ.")) << c;
        }
      } else {
        ADD_FAILURE() << d.objectName().toStdString();
      }
      if (!docs.isEmpty()) {
        EXPECT_TRUE(d.grab().save(QString::fromLocal8Bit(docs) +
                                  QStringLiteral("/eccentric-%1.png").arg(s.name)));
      }
    };
    window->eccentric_check();
    ui.on_dialog = nullptr;
    EXPECT_TRUE(ui.box_texts().empty()) << ui.box_texts().front();
    EXPECT_EQ(ui.count(Shown::What::Dialog), 1);
  }
}

}  // namespace
}  // namespace qvt::shell::testing
