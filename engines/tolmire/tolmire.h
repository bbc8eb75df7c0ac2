#pragma once
// TOLMIRE, the earth pressure report engine: the sixth engine of a run. It reads the binary
// results of the earth pressure engine case by case and turns them into print data: the
// surcharge load report with its figures (arbitrary ground surface only) and the earth and
// residual water pressure data report with its tables, liquefaction sections and figure.
//
// Every file it reads is checked before anything in it is trusted: its size, and every count
// and index it holds against the table it indexes. A file that cannot be opened or does not
// hold what its layout says stops the engine with a message naming it.
#include "engines/common/condition_data.h"
#include "engines/common/condition_readers.h"
#include "engines/common/engine_entry.h"
#include "engines/common/pressure_files.h"
#include "engines/common/print_data.h"
#include "engines/common/result_chain_file.h"

#include <array>
#include <filesystem>
#include <string>

namespace qvt::tolmire {

// The figure page state of the surcharge and earth pressure figures.
struct FigureLayout {
  int frame_x1 = 0, frame_y1 = 0, frame_x2 = 0, frame_y2 = 0;
  int strip_x = 0, strip_y = 0;
  double page_angle = 0, page_cos = 0, page_sin = 0;
  double page_offset_x = 0, page_offset_y = 0;
  double box_left = 0, box_right = 0, box_top = 0, box_bottom = 0;
  double box_centre_x = 0, box_centre_y = 0;
  double view_cos = 0, view_sin = 0;
  int char_width = 0, char_height = 0;
  double load_scale = 0;
  double arrow_pitch = 0;
  double world_centre_x = 0, world_centre_y = 0;
  double drawing_scale = 0;
  int landscape = 0;
  double pressure_scale = 0, earth_centre_x = 0, earth_centre_y = 0, pressure_centre = 0,
         level_centre = 0, water_centre = 0;
};

// No surcharge counts for the figures.
inline constexpr double NO_SURCHARGE = -999.99;
// The load tables' totals are kept by force summary slot (engine::ForceSlot).
inline constexpr int FORCE_TOTAL_SLOTS = engine::FORCE_SUMMARY_SLOTS;
using enum engine::ForceSlot;

// The engine's data of one run.
struct TolmireData {
  double design_seabed_level = 0;  // seabed of the active side for the zone down to 10 m below
  double max_surcharge_load = NO_SURCHARGE;
  FigureLayout layout;
  engine::PressureWorkFile work;  // the pressure work data of the current case
  // Load items: one buffer shared by DAT_SYU, DAT_EKI2, DAT_JYU and DAT_SUI, one for
  // DAT_ENT1/2 and one for DAT_ENT3/4; the item count of the last table read.
  std::array<engine::LoadItem, engine::LOAD_ITEMS> items{};
  std::array<engine::LoadItem, engine::LOAD_ITEMS> active_vertical_items{};
  std::array<engine::LoadItem, engine::LOAD_ITEMS> passive_vertical_items{};
  int item_count = 0;
  double force_totals[2][FORCE_TOTAL_SLOTS] = {};  // [case][force summary slot]
};

// The data of this run.
TolmireData& tolmire_data();

// The load tables, each read by its own member of one reader family.
enum class LoadTable {
  active,            // DAT_SYU1 / DAT_SYU2
  liquefied_active,  // DAT_EKI2 (seismic case only)
  passive,           // DAT_JYU1 / DAT_JYU2
  residual_water,    // DAT_SUI1 / DAT_SUI2
  active_vertical,   // DAT_ENT1 / DAT_ENT2
  passive_vertical,  // DAT_ENT3 / DAT_ENT4
};

// The file a load table of a case is read from.
std::string load_table_file_name(LoadTable table, int load_case);

// The main routine: reads the condition files and, for each case of the run, the pressure work
// file, and writes the reports of the case.
engine::Status run_earth_pressure_report();

// The pressure work file of a case (DAT_PRN1.DAT / DAT_PRN2.DAT) from folder (the current
// folder when empty) into data.work. Stops when it cannot be opened or is not a whole file with
// counts and indexes inside their tables.
[[nodiscard]] engine::Status read_pressure_work_file(TolmireData& data, int load_case,
                                                     const std::filesystem::path& folder = {});

// A load table of a case into its item buffer, its totals slots and item_count, with the same
// checks. The liquefied active table belongs to the seismic case whatever case is passed.
[[nodiscard]] engine::Status read_load_table(TolmireData& data, LoadTable table, int load_case,
                                             const std::filesystem::path& folder = {});

// Creates a report or figure file of this engine; when it cannot be created, the engine ends
// with exit code 1 after the message "印字用ファイル(name)がオープンできません.".
void open_print_file(engine::PrintFile& file, const std::string& name);

// The engine-wide values set before the first case.
void set_design_seabed_level(const engine::ConditionData& cd, TolmireData& data);
void init_figure_layout(FigureLayout& layout);
void find_max_surcharge_load(const engine::ConditionData& cd, TolmireData& data);

// The reports of a case, written into folder (the current folder when empty) in the run's
// order. The surcharge report and figures exist only for an arbitrary ground surface. A file
// that cannot be created or read stops the engine with its message.
void write_surcharge_report(const engine::ConditionData& cd, TolmireData& data, int load_case,
                            const std::filesystem::path& folder = {});
void write_surcharge_figures(const engine::ConditionData& cd, TolmireData& data, int load_case,
                             const std::filesystem::path& folder = {});
// DM%1d02DAT.PDT with its sections, the earth pressure figure and the generated force tables.
void write_dat_report(const engine::ConditionData& cd, TolmireData& data, int load_case,
                      const std::filesystem::path& folder = {});

}  // namespace qvt::tolmire
