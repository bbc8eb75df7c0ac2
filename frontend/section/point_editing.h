#pragma once
// Adding and removing earth-pressure action points and dimension-line change points with the
// mouse. New points snap to block vertices; removal picks the nearest point within 1 m.
#include "frontend/model/project.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"
#include "frontend/section/section_effects.h"
#include "frontend/section/view.h"

namespace qvt::section {

inline constexpr const char* kPressurePointsFull =
    "土圧作用点数が最大値(15)に達しています。これ以上の登録はできません。";
inline constexpr const char* kDimensionPointsFull =
    "寸法線用変化点数が最大値(50)に達しています。これ以上の登録はできません。";

struct EditContext {
  model::ProjectModel& model;
  const ViewState& view;
  EditorState& editor;
  PagePort& pages;
  SectionEffects& effects;
};

// A click on the action-point tab. Button 1 left, 2 right, 4 middle; X, Y in picture units.
void handle_pressure_point_click(EditContext& c, int button, double X, double Y);
// A click on the dimension-line page.
void handle_dimension_point_click(EditContext& c, int button, double X, double Y);

// Removes action point k of a side and, with it, the soil-layer record it bounded (record k, or
// k - 1 for the last point), so that the layers below keep their values; the freed record at the
// end is cleared.
void remove_pressure_point(model::ProjectConditions& c, int side, int k);

}  // namespace qvt::section
