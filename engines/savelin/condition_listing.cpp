#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/savelin/savelin.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace qvt::savelin {
namespace {

using engine::ConditionData;
using engine::PrintFile;

// The listing's lines: each format is a fixed literal of this file. Names and texts only ever
// arrive as "%s" arguments, so a "%" in a job or force name prints as itself.
class Listing {
 public:
  explicit Listing(PrintFile& f) : f_(f) {}

  void line(const char* utf8_format, ...) __attribute__((format(printf, 2, 3))) {
    std::va_list args;
    va_start(args, utf8_format);
    f_.line(engine::format_cp932_v(utf8_format, args));
    va_end(args);
  }
  void section(const char* heading) {
    f_.line("");
    line("%s", utf8_to_cp932_lossy(heading).c_str());
  }
  // A check-box line: "■" when on, "□" when off, then the sentence.
  void check(bool on, const char* sentence) {
    line("    %s%s", utf8_to_cp932_lossy(on ? "■" : "□").c_str(),
         utf8_to_cp932_lossy(sentence).c_str());
  }
  // One of a fixed set of sentences chosen by an option; a value outside the set writes none.
  void choice(int value, std::initializer_list<const char*> sentences) {
    if (value < 0 || value >= static_cast<int>(sentences.size())) return;
    line("%s", utf8_to_cp932_lossy(sentences.begin()[value]).c_str());
  }

 private:
  PrintFile& f_;
};

constexpr const char* kCaseColumns = "                                常時      地震時";

void basic_section(Listing& l, const ConditionData& d) {
  l.section("基本条件");
  l.line("    業務名称：%s", d.job_name.c_str());
  switch (d.improvement_pattern) {
    case PATTERN_BLOCK: l.line("    改良地盤の形状：ブロック式"); break;
    case PATTERN_WALL: l.line("    改良地盤の形状：壁式"); break;
    case PATTERN_TANGENT_CIRCLES:
      l.line("    改良地盤の形状：接円式（改良率%5.1lf%%）", d.improvement_ratio);
      break;
    case PATTERN_LATTICE: l.line("    改良地盤の形状：格子式"); break;
    default: break;
  }
  l.line("%s", utf8_to_cp932_lossy(kCaseColumns).c_str());
  const auto& s = d.allowable_stresses;
  l.line("    許容圧縮応力度：        %10.3lf%10.3lf", s[0][0], s[0][1]);
  l.line("    許容せん断応力度：      %10.3lf%10.3lf", s[1][0], s[1][1]);
  l.line("    設計基準強度：          %10.3lf%10.3lf", s[2][0], s[2][1]);
  const auto& f = d.safety_factors;
  l.line("    滑り出し安全率：        %10.1lf%10.1lf", f[0][0], f[0][1]);
  l.line("    転倒安全率：            %10.1lf%10.1lf", f[1][0], f[1][1]);
  l.line("    支持力安全率：          %10.1lf%10.1lf", f[2][0], f[2][1]);
  l.line("    抜け出し安全率：        %10.1lf%10.1lf", f[3][0], f[3][1]);
  l.line("    水の単位体積重量：      %10.3lf", d.water_unit_weight);
  l.line("    粘着基準線の標高：      %10.3lf", d.cohesion_reference_level);
  l.choice(d.clay_pressure_formula[0] == 0 ? 0 : 1,
           {"    粘性土土圧強度式：（式-1）と（式-2）を比較し、構造物に危険となる土圧分布をとる",
            "    粘性土土圧強度式：（式-1）のみで土圧を計算する"});
  l.line("    潮位（HWL）：           %10.3lf", d.water_levels[0]);
  l.line("    潮位（LWL）：           %10.3lf", d.water_levels[1]);
  l.line("    潮位（RWL）：           %10.3lf", d.water_levels[2]);
  l.check(d.seismic_check != 0, "地震時の検討");
  l.check(d.liquefied_vertical_rule != 0,
          "主働土圧を流動土圧に置き換えた場合、鉛直方向の土圧は無視");
  l.line("    液状化土圧係数：        %10.3lf", d.liquefied_pressure_coef);
}

void seismic_section(Listing& l, const ConditionData& d) {
  l.section("地震時");
  l.line(d.seismic_coef_mode == 0 ? "    設計震度：直接入力" : "    設計震度：係数より計算");
  l.line("                             地震時土圧   慣性力");
  l.line("    地域別震度：            %10.2lf%10.2lf", d.regional_coef[0], d.regional_coef[1]);
  l.line("    地盤種別係数：          %10.1lf%10.1lf", d.ground_type_factor[0],
         d.ground_type_factor[1]);
  l.line("    重要度係数：            %10.1lf%10.1lf", d.importance_factor[0],
         d.importance_factor[1]);
  l.line("    設計震度：              %10.2lf%10.2lf", d.seismic_coef_earth,
         d.seismic_coef_inertia);
  if (d.apparent_coef_method == 0)
    l.line("    見かけの震度：直接入力（%1.3lf）", d.apparent_seismic_coef);
  else
    l.choice(d.apparent_coef_method, {"", "    見かけの震度：一般式（r/(r-10)･K）",
                                      "    見かけの震度：二建の提案式",
                                      "    見かけの震度：荒井・横井の提案式"});
  l.choice(d.rwl_coef_rule == 0 ? 0 : 1,
           {"    RWL位置の震度の取り扱い：上側は空中震度、下側は見かけの震度を用いる",
            "    RWL位置の震度の取り扱い：上・下共に空中震度を用いる"});
  l.choice(d.clay_pressure_formula[1] == 0 ? 0 : 1,
           {"    粘性土土圧強度式：（式-1）と（式-2）を比較し、構造物に危険となる土圧分布をとる",
            "    粘性土土圧強度式：（式-1）のみで土圧を計算する"});
  l.choice(d.shallow_clay_method,
           {"    粘性土土圧計算方法：海底面-10m位置の見かけの震度を0として計算した土圧と直線補間",
            "    粘性土土圧計算方法：上・下共に見かけの震度を用いて土圧を計算する",
            "    粘性土土圧計算方法：土圧強度を直線補間",
            "    粘性土土圧計算方法：見かけの震度を直線補間"});
  l.choice(d.clay_compare_shallow,
           {"    海底面～海底面-10m：土層上限(海底面)の土圧強度と比較しない",
            "    海底面～海底面-10m：土層上限(海底面)の土圧強度と比較する"});
  l.choice(d.clay_compare_deep, {"    海底面-10ｍ以深：土層上限の土圧強度と下限値を比較しない",
                                 "    海底面-10ｍ以深：土層上限の土圧強度と下限値を比較する"});
  if (d.active_seabed_rule == 0)
    l.line("    主働土圧を計算する際の海底面は受働側土層の上限とする");
  else if (d.active_seabed_rule == 1)
    l.line("    主働土圧を計算する際の海底面は入力値を使用 （%1.3lf）", d.active_seabed_level);
}

void force_line(Listing& l, const char* lead, const engine::ExternalForce& e) {
  l.line("%s[%22s]%10.3lf%10.3lf%10.3lf%10.3lf", utf8_to_cp932_lossy(lead).c_str(),
         e.name.c_str(), e.vertical, e.horizontal, e.x, e.y);
}

void force_section(Listing& l, const ConditionData& d) {
  l.section("外力");
  l.line("                   外力名称             鉛直力    水平力      X         Y");
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < engine::EXTERNAL_FORCES_PER_CASE; ++k)
      force_line(l, k > 0 ? "            " : c == 0 ? "    常時：  " : "    地震時：",
                 d.external_forces[c][k]);
  l.line("                                 Xmin      Xmax      常時     地震時");
  const auto& t = d.top_surcharges;
  for (int k = 0; k < 3; ++k)
    l.line(k == 0 ? "    上載荷重：              %10.3lf%10.3lf%10.3lf%10.3lf"
                  : "                            %10.3lf%10.3lf%10.3lf%10.3lf",
           t.x_min[k], t.x_max[k], t.load[k][0], t.load[k][1]);
  l.check(d.top_surcharge_ignored == 0, "本体工上部の上載荷重を計算に考慮する");
  l.line("%s", utf8_to_cp932_lossy(kCaseColumns).c_str());
  const auto& r = d.body_reactions;
  l.line("    本体工の地盤反力：      %10.3lf%10.3lf", r[0].reaction, r[1].reaction);
  l.line("    分布幅：                %10.3lf%10.3lf", r[0].spread_width, r[1].spread_width);
  l.line("    分散角：                %10.3lf%10.3lf", r[0].spread_angle + 30,
         r[1].spread_angle + 30);
  l.line("    動水圧合力：            %10.3lf", d.dynamic_water_force);
  l.line("    作用位置：              %10.3lf", d.dynamic_water_level);
}

void body_sections(Listing& l, const ConditionData& d) {
  l.section("上部工");
  l.line("                                  X         Y");
  l.line("    上部工の検討点：        %10.3lf%10.3lf", d.body_reactions[0].check_x,
         d.body_reactions[0].check_y);

  l.section("改良体");
  const auto& b = d.body_dims;
  const int p = d.improvement_pattern;
  l.line("    配置基準点：            %10.3lf", b.ref_x);
  l.line("    改良幅：                %10.3lf", b.width);
  l.line("    下限標高 Dh1,Dh2：      %10.3lf%10.3lf", b.dh1, b.dh2);
  if (has_short_walls(p)) l.line("    短壁 Ls,Ds：            %10.3lf%10.3lf", b.ls, b.ds);
  if (p == PATTERN_WALL)
    l.line("    長壁 Ll,Bl1,Bl2：       %10.3lf%10.3lf%10.3lf", b.ll, b.bl1, b.bl2);
  if (p == PATTERN_LATTICE) {
    l.line("    長壁 Ll：               %10.3lf", b.ll);
    l.line("    格子 Bl1,Bl2：          %10.3lf%10.3lf", b.bl1, b.bl2);
  }
}

void surface_section(Listing& l, const ConditionData& d) {
  l.section("地表面");
  if (d.surface_shape == 0) {
    l.line("    地表面形状：直線形状");
    l.line("                               地表面     海底面");
    l.line("    傾斜角：                %10.3lf%10.3lf", d.surface_slope_angle,
           d.seabed_slope_angle);
    l.line("%s", utf8_to_cp932_lossy(kCaseColumns).c_str());
    l.line("    上載荷重 主働側：       %10.3lf%10.3lf", d.surface_surcharge[0],
           d.surface_surcharge[1]);
  } else {
    l.line("    地表面形状：盛土形状");
    l.line("                                  X         Y");
    const auto& pts = d.surface_points;
    l.line("    任意形状 1：            %10.3lf%10.3lf", pts[0].x, pts[0].y);
    const int count = std::min(d.surface_point_count, engine::MAX_SURFACE_POINTS);
    for (int i = 1; i < count; ++i)
      l.line("            %2d：            %10.3lf%10.3lf", i + 1, pts[i].x, pts[i].y);
    l.line("                                 上限      空中      水中");
    const auto& e = d.embankment_layers;
    l.line("    盛土層の単重 1：        %10.3lf%10.3lf%10.3lf", e[0].top_level,
           e[0].unit_weight_air, e[0].unit_weight_submerged);
    l.line("                 2：        %10.3lf%10.3lf%10.3lf", e[1].top_level,
           e[1].unit_weight_air, e[1].unit_weight_submerged);
    l.line("                 3：        %10.3lf%10.3lf%10.3lf", e[2].top_level,
           e[2].unit_weight_air, e[2].unit_weight_submerged);
    l.line("    海底面傾斜角：          %10.3lf", d.seabed_slope_angle);
    l.line("                                 Xmin      Xmax       常時     地震時");
    for (int k = 0; k < engine::MAX_SURCHARGE_RANGES; ++k) {
      const auto& r = d.surcharge_ranges[k];
      if (k == 0)
        l.line("    上載荷重 1：            %10.3lf%10.3lf%10.2lf%10.2lf", r.x_min, r.x_max,
               r.load[0], r.load[1]);
      else
        l.line("             %d：            %10.3lf%10.3lf%10.2lf%10.2lf", k + 1, r.x_min,
               r.x_max, r.load[0], r.load[1]);
    }
    l.line("%s", utf8_to_cp932_lossy(kCaseColumns).c_str());
  }
  l.line("    上載荷重 受働側：       %10.3lf%10.3lf", d.seabed_surcharge[0],
         d.seabed_surcharge[1]);
}

void bearing_section(Listing& l, const ConditionData& d) {
  l.section("支持層");
  const auto& b = d.bearing_layer;
  if (b.soil_type != 0) {
    l.line("    支持層タイプ：粘性土");
    l.line("    単位体積重量：          %10.3lf", b.unit_weight);
    l.line("    基準面での粘着力：      %10.3lf", b.cohesion);
    l.line("    粘着勾配：              %10.3lf", b.cohesion_gradient);
    return;
  }
  l.line("    支持層タイプ：砂質土");
  l.line("    単位体積重量：          %10.3lf", b.unit_weight);
  l.line("    形状係数：              %10.3lf", b.shape_factor);
  l.line("    平均Ｎ値：              %10d", b.mean_n);
  l.choice(b.phi_formula, {"    Φを求める式：Φ＝(√12N)+15°", "    Φを求める式：Φ＝(√12N)+20°",
                           "    Φを求める式：Φ＝(√12N)+25°", "    Φを求める式：Φ＝(√20N)+15°",
                           "    Φを求める式：Φ＝(√15N)+15°", "    Φを求める式：入力値を使用"});
  l.line("    支持力係数  Φ：        %10.3lf", b.phi);
  l.line("              Ｎｒ：        %10.3lf", b.bearing_nr);
  l.line("              Ｎｑ：        %10.3lf", b.bearing_nq);
  l.choice(b.friction_rule, {"    摩擦係数：入力値を使用", "    摩擦係数：μ=tanΦ"});
  l.line("    摩擦係数    μ：        %10.3lf", b.friction_mu);
}

void layer_section(Listing& l, const ConditionData& d, int side) {
  const bool land = side == engine::SIDE_ACTIVE;
  l.section(land ? "主働側土層" : "受働側土層");
  l.line(land ? "        上限    下限    土質  内部摩擦角 粘着力  粘着勾配  単重空中  単重水中  "
                "泥水比重"
              : "        上限    下限    土質  内部摩擦角 粘着力  粘着勾配  単重空中  単重水中");
  const int count = std::clamp(d.soil_layer_counts[side], 0, engine::SOIL_LAYER_RECORDS);
  const std::string slurry_none = "     -----";
  for (int i = 0; i < count; ++i) {
    const engine::SoilLayer& s = d.soil_layers[side][i];
    char slurry[64] = "";
    if (land) {
      if (s.liquefied == 1)
        std::snprintf(slurry, sizeof slurry, "%s",
                      engine::format_text("%10.3lf", s.slurry_unit_weight).c_str());
      else
        std::snprintf(slurry, sizeof slurry, "%s", slurry_none.c_str());
    }
    l.line(" %2d：%8.3lf%8.3lf  %s%8.2lf%10.3lf%10.3lf%10.3lf%10.3lf%s", i + 1, s.top_level,
           s.bottom_level, utf8_to_cp932_lossy(s.soil_type == 0 ? "砂質土" : "粘性土").c_str(),
           s.phi, s.cohesion, s.cohesion_gradient, s.unit_weight_air, s.unit_weight_submerged,
           slurry);
  }
}

void custom_section(Listing& l, const ConditionData& d) {
  l.section("カスタマイズ");
  const auto& o = d.custom_options;
  l.line("    壁面摩擦角：            %10.3lf", o.wall_friction_angle);
  l.line("%s", utf8_to_cp932_lossy(kCaseColumns).c_str());
  l.line("    粘性土崩壊角：          %10.3lf%10.3lf", o.clay_collapse_angle[0],
         o.clay_collapse_angle[1]);
  l.line("    圧密平衡係数：          %10.3lf", o.consolidation_coef_kc);
  l.line("    静止土圧係数：          %10.3lf", o.at_rest_coef_k0);
  l.line("    地表面形状ダミー長さ：  %10.3lf", o.surface_dummy_length);
  l.line("    抜け出しの検討ピッチ：  %10.3lf", o.pullout_pitch);
  l.choice(o.negative_root_rule,
           {"    粘性土の土圧強度を求める時：ルート内がマイナス値の場合は指定した崩壊角で計算",
            "    粘性土の土圧強度を求める時：ルート内がマイナス値の場合は常時の土圧式で計算",
            "    粘性土の土圧強度を求める時：ルート内がマイナス値の場合は岡部の式で計算",
            "    粘性土の土圧強度を求める時：ルート内がマイナス値の場合はΣγｈ＋ｗで計算"});
  // 0 takes the lateral confinement as the earth pressure at rest, 2 as the passive earth
  // pressure (named after the sentence, as its option caption names it); anything else leaves
  // the confinement out.
  const char* toe = "改良体の端趾圧の検討において、着底部における改良体端部の側方拘束圧を考慮する";
  if (o.toe_confinement_rule == 2)
    l.line("    %s%s%s", utf8_to_cp932_lossy("■").c_str(), utf8_to_cp932_lossy(toe).c_str(),
           utf8_to_cp932_lossy(" Ｐ＝受働土圧強度").c_str());
  else
    l.check(o.toe_confinement_rule == 0, toe);
  l.check(o.backfill_vertical_ignored == 0,
          "背面土の鉛直力（側面付着力・土圧の鉛直成分）を考慮する");
  l.choice(o.surcharge_method,
           {"    荷重計算方法：海底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする",
            "    荷重計算方法：各土層毎の崩壊角より上載荷重を算出",
            "    荷重計算方法：改良体底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする"});
  l.line(o.seismic_rounding == 0 ? "    設計震度、見かけの震度の丸め方法：四捨五入"
                                 : "    設計震度、見かけの震度の丸め方法：二捨三五入、七捨八入");
  l.line(o.residual_water_rule == 0
             ? "    残留水位位置：実残留水位を使用"
             : "    残留水位位置：地表面天端位置を残留水位位置として使用");
  l.line(o.front_water_rule == 0 ? "    前面水位位置：L.W.L.位置を前面水位として使用"
                                 : "    前面水位位置：海底面位置を前面水位として使用");
}

}  // namespace

void write_condition_listing(const ConditionData& d, PrintFile& f) {
  Listing l(f);
  basic_section(l, d);
  seismic_section(l, d);
  force_section(l, d);
  body_sections(l, d);
  surface_section(l, d);
  bearing_section(l, d);
  layer_section(l, d, engine::SIDE_ACTIVE);
  layer_section(l, d, engine::SIDE_PASSIVE);
  custom_section(l, d);
}

void write_condition_listing(const ConditionData& d) {
  PrintFile f;
  engine::open_or_stop(f, kConditionListing);
  write_condition_listing(d, f);
  engine::close_or_stop(f);
}

void write_input_checklist(const ConditionData& d) {
  const std::optional<std::string> listing = read_file_bytes(kConditionListing);
  if (!listing) {
    engine::stop_engine(engine::fatal_error(std::string(kConditionListing) +
                                            utf8_to_cp932_lossy(" が読み込めません.")));
  }
  const std::vector<std::string> lines = split_lines(*listing);

  PrintFile f;
  engine::open_or_stop(f, kInputChecklist);
  f.title_line(utf8_to_cp932_lossy("入力条件チェックリスト"));
  engine::write_report_header(f, engine::stamp_of(d), d.project_title.view());
  // Whole lines, at most 60 to a page and ten pages: a line is never cut between two pages.
  for (std::size_t n = 1, at = 0; n <= kChecklistPages && at < lines.size(); ++n) {
    const std::string name = "QVT_CHE" + std::to_string(n) + ".PFM";
    f.block_record(name);
    const std::size_t end = std::min(lines.size(), at + kChecklistPageLines);
    PrintFile page;
    engine::open_or_stop(page, name);
    engine::write_text_template(
        page, "QVT_CHEK.PFM", 63,
        std::span<const std::string>(lines.data() + at, lines.data() + end));
    engine::close_or_stop(page);
    at = end;
  }
  write_block_pages(d, f);
  f.end_record();
  engine::close_or_stop(f);
}

}  // namespace qvt::savelin
