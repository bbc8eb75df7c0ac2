#pragma once
// The mouse editors of the block pages: on the superstructure page a click picks a polygon or
// rectangular wall block by its label and, by the chosen operation, opens its dialog, moves it
// by a snapped base point, copies it into a free slot, deletes it or places its label; on the
// improved-body page the same for the improved-soil layers, where a delete also removes the
// layers below and extends the one left down to the improvement bottom.
//
// A click runs in three steps: a left click moves the editor state by the operation's table and
// may show a prompt, a right click ends the operation; then the click point is turned into world
// coordinates; then the state reached does its action (for every button, so a middle click
// repeats the action of the state without moving on).
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"
#include "frontend/section/section_effects.h"
#include "frontend/section/view.h"

#include <array>
#include <span>
#include <string>

namespace qvt::section {

inline constexpr const char* kMsgAboveBodyTop = "改良体上限を超えます。";

// One left-click transition: with operation `option` chosen (WallBlockOperation or
// SoilBlockOperation) and the editor at `before`, the editor goes on to `after` and, unless it
// is null, `prompt` goes into the status bar.
struct EditorRule {
  int option;
  BlockEditStep before;
  BlockEditStep after;
  const char* prompt;
};

// The first rule that matches wins.
inline constexpr EditorRule kWallBlockRules[] = {
    {kEditWallBlock, BlockEditStep::select, BlockEditStep::edit, nullptr},
    {kMoveWallBlock, BlockEditStep::select, BlockEditStep::base_point,
     "移動先を指定してください。(右ボタンで終了)"},
    {kMoveWallBlock, BlockEditStep::base_point, BlockEditStep::move, nullptr},
    {kCopyWallBlock, BlockEditStep::select, BlockEditStep::base_point,
     "複写先を指定してください。(右ボタンで終了)"},
    {kCopyWallBlock, BlockEditStep::base_point, BlockEditStep::copy, nullptr},
    {kDeleteWallBlock, BlockEditStep::select, BlockEditStep::erase, nullptr},
    {kPlaceWallBlockNumber, BlockEditStep::select, BlockEditStep::number_position, nullptr},
    {kEditWallBlock, BlockEditStep::idle, BlockEditStep::select, "左ボタンで編集／右ボタンで終了"},
    {kMoveWallBlock, BlockEditStep::idle, BlockEditStep::select,
     "移動する壁体ブロックの基準点を選択してください。(右ボタンで終了)"},
    {kCopyWallBlock, BlockEditStep::idle, BlockEditStep::copy_start,
     "複写する壁体ブロックの基準点を選択してください。(右ボタンで終了)"},
    {kDeleteWallBlock, BlockEditStep::idle, BlockEditStep::select, "左ボタンで削除／右ボタンで終了"},
    {kPlaceWallBlockNumber, BlockEditStep::idle, BlockEditStep::select,
     "壁体ブロックNoの移動位置を設定してください。(右ボタンで終了)"},
};

inline constexpr EditorRule kSoilBlockRules[] = {
    {kEditSoilBlock, BlockEditStep::select, BlockEditStep::edit, nullptr},
    {kDeleteSoilBlock, BlockEditStep::select, BlockEditStep::erase, nullptr},
    {kPlaceSoilBlockNumber, BlockEditStep::select, BlockEditStep::number_position, nullptr},
    {kEditSoilBlock, BlockEditStep::idle, BlockEditStep::select, "左ボタンで編集／右ボタンで終了"},
    {kDeleteSoilBlock, BlockEditStep::idle, BlockEditStep::select, "左ボタンで削除／右ボタンで終了"},
    {kPlaceSoilBlockNumber, BlockEditStep::idle, BlockEditStep::select,
     "壁体ブロックNoの移動位置を設定してください。(右ボタンで終了)"},
};

// The rule for a left click, or nullptr when none applies.
const EditorRule* find_rule(std::span<const EditorRule> rules, int option, BlockEditStep state);

// Panel 1 of the status bar.
class PromptLine {
 public:
  virtual ~PromptLine() = default;
  virtual void show_prompt(const std::string& text) = 0;
};

// The block dialogs in edit mode, modal; each call returns when its dialog has closed. The
// dialog takes its block from `slot` (current_block_slot); the layer dialog also reads the
// improved-body boxes X, Y, B, Dh1, Dh2 as they stand.
class EditorDialogs {
 public:
  virtual ~EditorDialogs() = default;
  virtual void polygon(int slot) = 0;    // the polygon wall-block dialog
  virtual void rectangle(int slot) = 0;  // the rectangular wall-block dialog
  virtual void layer(int slot, const std::array<std::string, 5>& body_texts) = 0;  // improved soil
};

struct BlockEditContext {
  model::ProjectModel& model;
  ViewState& view;
  EditorState& editor;
  PagePort& pages;
  SectionEffects& effects;
  PromptLine& prompt;
  EditorDialogs& dialogs;
};

// The superstructure page's editor (WallBlockOperation). Button 1 left, 2 right, 4 middle;
// X, Y in picture units.
class WallBlockEditor {
 public:
  explicit WallBlockEditor(BlockEditContext c) : c_(c) {}
  void click(int button, double X, double Y);

 private:
  void select(double x, double y);
  void move_to(double x, double y);
  BlockEditContext c_;
};

// The improved-body page's editor (SoilBlockOperation).
class SoilBlockEditor {
 public:
  explicit SoilBlockEditor(BlockEditContext c) : c_(c) {}
  void click(int button, double X, double Y);

 private:
  void delete_layers();
  BlockEditContext c_;
};

// The improvement frame as the improved-body boxes give it (leading number of each text).
struct BodyFrame {
  double x = 0, y = 0, b = 0, dh1 = 0, dh2 = 0;
};
BodyFrame body_frame(const std::array<std::string, 5>& texts);

// The top of an improved-soil layer as elevations: the sea side (x = X) and the land side
// (x = X + B). Type 6: reference y plus vertex 0 and 1 y; type 7: corners 11 and 12.
struct LayerTop {
  double sea = 0, land = 0;
};
LayerTop soil_layer_top(const model::WallBlock& b);

// Rewrites the layer in `slot` to run from its top down to the improvement bottom of `frame`:
// the four corners (0, sea top), (B, land top), (B, Dh2), (0, Dh1) at the reference point
// (X, Y), type-6 y stored relative to Y; level within 0.0001 at top and bottom, it becomes a
// type-7 rectangle on Dh2 instead. Name and unit weights stay; length, mark and the reserved
// field are cleared and the label is centred. The corners (elevations) are left in
// `work_vertices` 0..3. False, nothing changed, when the slot is no improved-soil layer.
bool extend_layer_to_bottom(model::ProjectModel& m, int slot, const BodyFrame& frame,
                            EditorState& editor, model::MessageSink& messages);

}  // namespace qvt::section
