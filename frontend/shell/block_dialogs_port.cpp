#include "frontend/shell/block_dialogs_port.h"

#include "frontend/dialogs/layer_block_dialog.h"
#include "frontend/dialogs/polygon_block_dialog.h"
#include "frontend/dialogs/rectangle_block_dialog.h"
#include "frontend/dialogs/widgets/form2.h"
#include "frontend/dialogs/widgets/form4.h"
#include "frontend/dialogs/widgets/form5.h"

namespace qvt::shell {

ShellBlockDialogs::ShellBlockDialogs(UiPort& ui, QWidget* owner, model::ProjectModel& model,
                                     section::EditorState& editor)
    : ui_(ui), owner_(owner), model_(model), editor_(editor), sink_(ui, owner) {}

void ShellBlockDialogs::polygon(const dialogs::BlockDialogRequest& request) {
  dialogs::PolygonBlockDialog presenter(model_, editor_, sink_, request);
  if (!presenter.Form_Load()) return;
  dialogs::Form4 form(owner_, presenter);
  ui_.exec_dialog(form);
}

void ShellBlockDialogs::rectangle(const dialogs::BlockDialogRequest& request) {
  dialogs::RectangleBlockDialog presenter(model_, sink_, request);
  if (!presenter.Form_Load()) return;
  dialogs::Form5 form(owner_, presenter);
  ui_.exec_dialog(form);
}

void ShellBlockDialogs::layer(const dialogs::LayerDialogRequest& request) {
  dialogs::LayerBlockDialog presenter(model_, editor_, sink_, request);
  if (!presenter.Form_Load()) return;
  dialogs::Form2 form(owner_, presenter);
  ui_.exec_dialog(form);
}

}  // namespace qvt::shell
