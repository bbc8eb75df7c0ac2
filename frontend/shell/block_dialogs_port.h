#pragma once
// The block dialogs as the pages and the block editors open them: each dialog is built with the
// main window as owner, centred on the screen and shown modally through the UiPort; its
// messages go out as boxes through the same port.
#include "frontend/dialogs/block_dialogs.h"
#include "frontend/model/project.h"
#include "frontend/section/block_editors.h"
#include "frontend/section/editor_state.h"
#include "frontend/shell/ui_port.h"

class QWidget;

namespace qvt::shell {

class ShellBlockDialogs : public dialogs::BlockDialogs {
 public:
  ShellBlockDialogs(UiPort& ui, QWidget* owner, model::ProjectModel& model,
                    section::EditorState& editor);

  void polygon(const dialogs::BlockDialogRequest& request) override;
  void rectangle(const dialogs::BlockDialogRequest& request) override;
  void layer(const dialogs::LayerDialogRequest& request) override;

 private:
  UiPort& ui_;
  QWidget* owner_;
  model::ProjectModel& model_;
  section::EditorState& editor_;
  UiMessageSink sink_;
};

// The block editors in the picture open a block's dialog to edit it, never to register.
class EditorBlockDialogs : public section::EditorDialogs {
 public:
  explicit EditorBlockDialogs(dialogs::BlockDialogs& dialogs) : dialogs_(dialogs) {}
  void polygon(int slot) override { dialogs_.polygon({slot, false}); }
  void rectangle(int slot) override { dialogs_.rectangle({slot, false}); }
  void layer(int slot, const std::array<std::string, 5>& body_texts) override {
    dialogs_.layer({slot, true, body_texts});
  }

 private:
  dialogs::BlockDialogs& dialogs_;
};

}  // namespace qvt::shell
