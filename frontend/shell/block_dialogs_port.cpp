#include "frontend/shell/block_dialogs_port.h"

#include "frontend/dialogs/layer_block_dialog.h"
#include "frontend/dialogs/polygon_block_dialog.h"
#include "frontend/dialogs/rectangle_block_dialog.h"
#include "frontend/dialogs/widgets/layer_block_dialog_widget.h"
#include "frontend/dialogs/widgets/polygon_block_dialog_widget.h"
#include "frontend/dialogs/widgets/rectangle_block_dialog_widget.h"

namespace qvt::shell {

ShellBlockDialogs::ShellBlockDialogs(UiPort& ui, QWidget* owner, model::ProjectModel& model,
                                     section::EditorState& editor)
    : ui_(ui), owner_(owner), model_(model), editor_(editor), sink_(ui, owner) {}

void ShellBlockDialogs::polygon(const dialogs::BlockDialogRequest& request) {
  dialogs::PolygonBlockDialog presenter(model_, editor_, sink_, request);
  if (!presenter.load()) return;
  dialogs::PolygonBlockDialogWidget dialog(owner_, presenter);
  ui_.exec_dialog(dialog);
}

void ShellBlockDialogs::rectangle(const dialogs::BlockDialogRequest& request) {
  dialogs::RectangleBlockDialog presenter(model_, sink_, request);
  if (!presenter.load()) return;
  dialogs::RectangleBlockDialogWidget dialog(owner_, presenter);
  ui_.exec_dialog(dialog);
}

void ShellBlockDialogs::layer(const dialogs::LayerDialogRequest& request) {
  dialogs::LayerBlockDialog presenter(model_, editor_, sink_, request);
  if (!presenter.load()) return;
  dialogs::LayerBlockDialogWidget dialog(owner_, presenter);
  ui_.exec_dialog(dialog);
}

}  // namespace qvt::shell
