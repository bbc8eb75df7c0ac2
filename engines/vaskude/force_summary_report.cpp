// DMMATOME.PDT, the one-page summary of every force and moment resultant of both cases as they
// stand in the result chain after this engine, with its generated table template D_MATOME.PFM.
#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"
#include "engines/common/print_data.h"
#include "engines/vaskude/force_summary_report.h"
#include "engines/vaskude/pressure_steps.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace qvt::vaskude {

using engine::ConditionData;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::string pad12(const std::string& s) {
  return s.size() >= 12 ? s : std::string(12 - s.size(), ' ') + s;
}

void show_print_error(std::string_view title, std::string_view text) {
  engine::engine_message(engine::MessageKind::Error, cp(std::string(title).c_str()),
                         cp(std::string(text).c_str()));
}

void write_file(const char* name, const std::function<void(engine::PrintFile&)>& body) {
  engine::PrintFile f;
  if (!f.open(name, show_print_error)) engine::stop_engine(engine::EngineStop{});
  body(f);
  if (!f.close(show_print_error)) engine::stop_engine(engine::EngineStop{});
}

}  // namespace

std::string summary_cell(double v) {
  if (v == 0.0) return cp(" ───── ");
  return engine::format_text(" %11.3lf", v);
}

std::vector<SummaryLine> force_summary_rows(bool split, bool vertical_ignored) {
  const bool v0 = !vertical_ignored;
  std::vector<SummaryLine> rows;
  auto add = [&](const char* col1, const char* label, engine::ForceSlot slot, const char* border,
                 bool normal_dash = false) {
    rows.push_back({col1, label, slot, normal_dash, border});
  };
  const char* kWeight = " 有効重量              ：ΣＷ$Si$Z       (kN/m)";
  const char* kInertia = " 地震時慣性力          ：ΣＨＫ$Si$Z     (kN/m)";
  // Force block.
  add("", kWeight, FS_EFFECTIVE_WEIGHT, split ? "1011,1011,1011,1011" : "1011,1111,1111,1111");
  if (split) {
    add("", "   無改良土除く", FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, "1010,1010,1010,1010");
    add("", "   無改良土のみ", FS_EFFECTIVE_WEIGHT_UNIMPROVED, "1010,1110,1110,1110");
  }
  add(split ? "合" : "", kInertia,
      FS_SEISMIC_INERTIA, split ? "1010,1010,1010,1010" : "1010,1111,1111,1111");
  if (split) {
    add("", "   無改良土除く", FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED, "1010,1010,1010,1010");
    add("", "   無改良土のみ", FS_SEISMIC_INERTIA_UNIMPROVED, "1010,1110,1110,1110");
  }
  add(split ? "力" : "合", " 主働土圧の水平成分    ：Ｐ$SA$Z         (kN/m)",
      FS_ACTIVE_HORIZONTAL_FORCE, "1010,1011,1011,1011");
  if (v0)
    add("", " 主働土圧の鉛直成分    ：Ｐ$SV$Z         (kN/m)",
        FS_ACTIVE_VERTICAL_FORCE, "1010,1110,1110,1110");
  add("", " 残留水圧              ：Ｐ$SW$Z         (kN/m)",
      FS_RESIDUAL_WATER_FORCE, "1010,1111,1111,1111");
  add(split ? "" : "力", " 動水圧                ：Ｐ$SdW$Z        (kN/m)",
      FS_DYNAMIC_WATER_RESULTANT, "1010,1111,1111,1111", true);
  if (v0) {
    add("", " 受働土圧の水平成分    ：Ｐ$SP$Z         (kN/m)",
        FS_PASSIVE_HORIZONTAL_FORCE, "1010,1011,1011,1011");
    add("", " 受働土圧の鉛直成分    ：Ｐ$SPhv$Z       (kN/m)",
        FS_PASSIVE_VERTICAL_FORCE, "1010,1110,1110,1110");
  } else {
    add("", " 受働土圧              ：Ｐ$SP$Z         (kN/m)",
        FS_PASSIVE_HORIZONTAL_FORCE, "1010,1111,1111,1111");
  }
  add("", " その他の外力水平成分  ：Ｐ$SSA$Z        (kN/m)", FS_OTHER_HORIZONTAL_FORCE, "1010,1011,1011,1011");
  add("", " その他の外力鉛直成分  ：Ｐ$SSV$Z        (kN/m)", FS_OTHER_VERTICAL_FORCE, "1010,1110,1110,1110");
  if (v0) {
    add("", " 主働側側面付着力      ：Ｐ$SAV$Z        (kN/m)",
        FS_ACTIVE_SIDE_ADHESION, "1010,1111,1111,1111");
    add("", " 受働側側面付着力      ：Ｐ$SPV$Z        (kN/m)",
        FS_PASSIVE_SIDE_ADHESION, "1110,1111,1111,1111");
  }
  // Moment block.
  add("", " 有効重量              ：ΣＷ$Si$Z･x$Si$Z  (kN･m/m)",
      FS_EFFECTIVE_WEIGHT_MOMENT, split ? "1011,1011,1011,1011" : "1011,1111,1111,1111");
  if (split) {
    add("", "   無改良土除く", FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED_MOMENT, "1010,1010,1010,1010");
    add("モ", "   無改良土のみ", FS_EFFECTIVE_WEIGHT_UNIMPROVED_MOMENT, "1010,1110,1110,1110");
  }
  add(split ? "｜" : "モ", " 地震時慣性力          ：ΣＨＫ$Si$Z･y$Si$Z(kN･m/m)",
      FS_SEISMIC_INERTIA_MOMENT, split ? "1010,1011,1011,1011" : "1010,1111,1111,1111");
  if (split) {
    add("メ", "   無改良土除く", FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED_MOMENT, "1010,1010,1010,1010");
    add("ン", "   無改良土のみ", FS_SEISMIC_INERTIA_UNIMPROVED_MOMENT, "1010,1110,1110,1110");
  }
  add(split ? "ト" : "｜", " 主働土圧の水平成分    ：Ｐ$SA$Z･ｙ$SA$Z   (kN･m/m)",
      FS_ACTIVE_HORIZONTAL_MOMENT, "1010,1011,1011,1011");
  if (v0)
    add(split ? "" : "メ", " 主働土圧の鉛直成分    ：Ｐ$SV$Z･ｘ$SV$Z   (kN･m/m)",
        FS_ACTIVE_VERTICAL_MOMENT, "1010,1110,1110,1110");
  add(split ? "" : (v0 ? "ン" : "メ"), " 残留水圧              ：Ｐ$SW$Z･ｙ$SW$Z   (kN･m/m)",
      FS_RESIDUAL_WATER_MOMENT, "1010,1111,1111,1111");
  add(split ? "" : (v0 ? "ト" : "ン"), " 動水圧                ：Ｐ$SdW$Z･ｙ$SW$Z  (kN･m/m)",
      FS_DYNAMIC_WATER_MOMENT, "1010,1111,1111,1111", true);
  add(split || v0 ? "" : "ト", " 受働土圧              ：Ｐ$SP$Z･ｙ$SP$Z   (kN･m/m)",
      FS_PASSIVE_HORIZONTAL_MOMENT, "1010,1111,1111,1111");
  add("", " その他の外力水平成分  ：Ｐ$SSA$Z･ｙ$SSA$Z (kN･m/m)",
      FS_OTHER_HORIZONTAL_MOMENT, "1010,1011,1011,1011");
  add("", " その他の外力鉛直成分  ：Ｐ$SSV$Z･ｘ$SSV$Z (kN･m/m)",
      FS_OTHER_VERTICAL_MOMENT, "1010,1110,1110,1110");
  if (v0)
    add("", " 主働側側面付着力      ：Ｐ$SAV$Z･x    (kN･m/m)",
        FS_SIDE_ADHESION_MOMENT, "1110,1111,1111,1111");
  return rows;
}

void write_force_summary_report(const ConditionData& cd, bool split) {
  const EarthPressureData& d = run_data();
  const auto& N = d.chain.force_summary[0].slot;
  const auto& S = d.chain.force_summary[1].slot;
  const bool ignored = cd.custom_options.backfill_vertical_ignored != 0;
  write_file("DMMATOME.PDT", [&](engine::PrintFile& f) {
    f.line(cp("外力計算結果のまとめ"));
    engine::PrintStamp stamp;
    for (int k = 0; k < 3; ++k) {
      stamp.date[k] = cd.stamp_date[k];
      stamp.time[k] = cd.stamp_time[k];
    }
    f.stamp_line(stamp, cd.project_title.view(), engine::StampForm::title_right_aligned);
    f.block_record("D_MATOME.PFM");
  });
  engine::TableTemplate t("D_MATOME.PFM", {4, 44, 14, 14});
  t.add_row("2,@,@,@", cp("外力計算結果のまとめ,@,@,@"), "0000,@,@,@");
  t.add_row("3,3,3,3", cp(",区    分,常 時,地 震 時"), "1101,0111,1111,1111");
  for (const SummaryLine& r : force_summary_rows(split, ignored)) {
    const std::string normal = r.normal_dash ? cp(" ───── ") : summary_cell(N[r.slot]);
    const std::string text = cp(r.col1) + "," + cp(r.label) + "," + pad12(normal) + " ," +
                             pad12(summary_cell(S[r.slot])) + " ";
    t.add_row("3,2,1,1", text, r.border);
  }
  t.add_row("2,@,@,@", cp("（注）モーメントは改良地盤前趾下端まわりとする。,@,@,@"),
            "0001,@,@,@");
  write_file("D_MATOME.PFM", [&](engine::PrintFile& f) { t.write_to(f); });
}

void write_force_summary(const ConditionData& cd) { write_force_summary_report(cd, false); }

void write_force_summary_split(const ConditionData& cd) {
  write_force_summary_report(cd, true);
}

}  // namespace qvt::vaskude
