#pragma once
// What the widget tests share: one QApplication on the offscreen platform, a UiPort that the
// tests answer and that records every box and dialog, and a fixture with an install folder
// (version text, default options, fake programs), a work folder and a private settings store.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/sibling_import.h"
#include "frontend/shell/ui_port.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qvt::shell::testing {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "shell_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* instance = [] {
    auto* a = new QApplication(argc, argv);
    a->setQuitOnLastWindowClosed(false);
    return a;
  }();
  return *instance;
}

struct Shown {
  enum class What { Box, OpenDialog, SaveDialog, Dialog, Document } what = What::Box;
  MessageIcon icon = MessageIcon::Information;
  std::string title, text;  // a box; for a dialog of the system its object name and caption;
                            // for a document its address (text)
  Buttons buttons = Buttons::Ok;
  Answer default_button = Answer::Ok;
  FileRequest request;          // file dialogs
  bool owner_enabled = true;    // whether the owning window took input while it was shown
};

class FakeUi : public UiPort {
 public:
  // Answers given in turn; when none is left a box takes its default button and a file
  // dialog is cancelled.
  std::deque<Answer> answers;
  std::deque<std::optional<QString>> files;
  std::function<void(QDialog&)> on_dialog;
  // Called while a box is shown (after it is recorded), as a person could act meanwhile.
  std::function<void(const Shown&)> on_box;
  // Whether the desktop takes a document handed to it.
  bool documents_open = true;
  std::vector<Shown> shown;

  Answer message_box(QWidget* owner, MessageIcon icon, const QString& title, const QString& text,
                     Buttons buttons, Answer default_button) override {
    Shown s;
    s.icon = icon;
    s.title = title.toStdString();
    s.text = text.toStdString();
    s.buttons = buttons;
    s.default_button = default_button;
    s.owner_enabled = owner ? owner->isEnabled() : true;
    shown.push_back(s);
    if (on_box) on_box(s);
    if (answers.empty()) return default_button;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<QString> open_file(QWidget*, const FileRequest& request) override {
    return file(Shown::What::OpenDialog, request);
  }
  std::optional<QString> save_file(QWidget*, const FileRequest& request) override {
    return file(Shown::What::SaveDialog, request);
  }
  void exec_dialog(QDialog& dialog) override {
    Shown s;
    s.what = Shown::What::Dialog;
    s.title = dialog.objectName().toStdString();
    s.text = dialog.windowTitle().toStdString();
    s.owner_enabled = dialog.parentWidget() ? dialog.parentWidget()->isEnabled() : true;
    EXPECT_TRUE(dialog.isModal()) << s.title;
    shown.push_back(s);
    if (on_dialog) on_dialog(dialog);
  }

  bool open_document(QWidget*, const QUrl& url) override {
    Shown s;
    s.what = Shown::What::Document;
    s.text = url.toString().toStdString();
    shown.push_back(s);
    return documents_open;
  }

  // The texts of the boxes shown, in order.
  std::vector<std::string> box_texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown)
      if (s.what == Shown::What::Box) out.push_back(s.text);
    return out;
  }
  int count(Shown::What what) const {
    int n = 0;
    for (const Shown& s : shown) n += s.what == what;
    return n;
  }

 private:
  std::optional<QString> file(Shown::What what, const FileRequest& request) {
    Shown s;
    s.what = what;
    s.request = request;
    shown.push_back(s);
    if (files.empty()) return std::nullopt;
    const bool chosen = files.front().has_value();
    const QString name = chosen ? *files.front() : QString();
    files.pop_front();
    if (!chosen) return std::nullopt;
    return name;
  }
};

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() {
    app();
    std::filesystem::create_directories(install());
    std::filesystem::create_directories(dir_ / "config");
    write_file_bytes(install() / "SYSVER.DAT", "\"2.5.1\",2024\r\n");
    std::filesystem::copy_file(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST",
                               install() / "QVT_DAT.CST");
    std::filesystem::copy_file(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "sj_keisu",
                               install() / "sj_keisu");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString((dir_ / "config").string()));
  }

  std::filesystem::path install() const { return dir_ / "install"; }
  std::filesystem::path work() const { return dir_ / "work"; }
  std::filesystem::path path(const std::string& name) const { return dir_ / name; }
  QString qpath(const std::string& name) const {
    return QString::fromStdString((dir_ / name).string());
  }

  // A program in the install folder: a shell script with this body.
  void program(const std::string& name, const std::string& body) const {
    const auto file = install() / name;
    write_file_bytes(file, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_all |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  }

  bool exists_in_work(const std::string& name) const {
    return std::filesystem::exists(work() / name);
  }

  qvt::testing::TempDir dir_;
  FakeUi ui;
};

// Writes `fill` wall blocks from slot 0 with label numbers 1, 2, ... and the high water level,
// as the sibling's files would; `ok` false stops after the blocks as a failed file would.
// `seen_water` keeps the L.W.L. each import found, which tells a reset apart.
struct FakeSiblingImport : model::SiblingImport {
  int fill = 4;
  bool ok = true;
  bool brings_shape = false;
  std::vector<std::string> bases;
  std::vector<double> seen_water;
  bool import_tj2_project(const std::string& base, model::ProjectModel& m,
                          model::MessageSink& messages) override {
    bases.push_back(base);
    seen_water.push_back(m.conditions.water_levels[1]);
    for (int k = 0; k < fill; ++k) {
      m.wall_blocks[k].block_type = model::BLOCK_RECTANGLE;
      m.wall_blocks[k].polygon.head.name = "sibling";
      m.block_label_numbers[k] = static_cast<model::i16>(k + 1);
    }
    if (brings_shape) {
      m.shape_library_count = 1;
      m.shape_library[0].name = "from sibling";
    }
    if (!ok) {
      messages.show_message(model::MessageIcon::Exclamation, "Tervane",
                            "検討点ﾌｧｲﾙ(.TK2)が読み込み出来ません。");
      return false;
    }
    m.conditions.water_levels[0] = 1.8;
    return true;
  }
  // The single-file design: the same fake, its bases recorded apart.
  std::vector<std::string> tj3_bases;
  bool import_tj3_project(const std::string& base, model::ProjectModel& m,
                          model::MessageSink& messages) override {
    tj3_bases.push_back(base);
    const std::size_t before = bases.size();
    const bool done = import_tj2_project(base, m, messages);
    bases.resize(before);
    return done;
  }
};

}  // namespace qvt::shell::testing
