#include "frontend/pages/widgets/illustrations.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>

namespace qvt::pages {

namespace {

QPixmap blank(int w, int h) {
  QPixmap p(w, h);
  p.fill(Qt::white);
  return p;
}

// One earth-pressure diagram against a wall: the wall on the left, the pressure growing to
// the right with depth. `jump_at_rwl`: the line steps out at the R.W.L. rather than bending.
void pressure_diagram(QPainter& g, int left, bool jump_at_rwl, const QString& mark) {
  const int top = 18, rwl = 58, layer = 96, seabed = 132;
  g.setPen(QPen(Qt::black, 1));
  g.drawText(left - 2, 14, mark);
  // Wall face and levels.
  g.drawLine(left + 20, top, left + 20, seabed + 8);
  g.setPen(QPen(Qt::blue, 1, Qt::DashLine));
  g.drawLine(left + 20, rwl, left + 170, rwl);
  g.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  g.drawLine(left + 20, layer, left + 170, layer);
  g.setPen(QPen(Qt::black, 1));
  g.drawLine(left + 20, seabed, left + 170, seabed);
  g.drawText(left + 128, rwl - 3, QStringLiteral("R.W.L."));
  g.drawText(left + 124, seabed - 3, QStringLiteral("海底面"));
  // Pressure line.
  QPolygonF line;
  line << QPointF(left + 20, top) << QPointF(left + 45, rwl);
  if (jump_at_rwl) line << QPointF(left + 60, rwl);
  const double at_layer = jump_at_rwl ? left + 90 : left + 85;
  line << QPointF(at_layer, layer) << QPointF(at_layer - 25, layer)
       << QPointF(at_layer + 10, seabed) << QPointF(left + 20, seabed);
  g.setPen(QPen(Qt::red, 2));
  g.drawPolyline(line);
}

// The schematics of the pages share one look: structures outlined in ink 1.5 px wide, ground
// lines brown with a hatch below, dimension lines and the names of the page's boxes in blue,
// the lines a calculation draws (spread line, collapse line) in red.
const QColor kInk(30, 30, 30);
const QColor kDim(0, 80, 170);
const QColor kCalc(200, 30, 30);
const QColor kGround(120, 85, 40);
const QColor kWaterFill(222, 236, 252);
const QColor kWaterLine(40, 110, 200);
const QColor kImproved(226, 210, 170);
const QColor kConcrete(212, 212, 212);
const QColor kFill(240, 226, 190);
const QColor kReference(140, 140, 140);

QFont picture_font(int pixels) {
  QFont f(QStringLiteral("Noto Sans CJK JP"));
  f.setPixelSize(pixels);
  return f;
}

class Sketch {
 public:
  explicit Sketch(QPixmap& pm) : g(&pm), width_(pm.width()) {
    g.setRenderHint(QPainter::Antialiasing);
    g.setFont(picture_font(11));
  }

  // A text whose box has the given alignment at `at`: AlignLeft puts its left edge there,
  // AlignBottom its baseline box's bottom. `halo` clears the ground behind it first.
  void text(QPointF at, const QString& s, Qt::Alignment a, const QColor& c = kInk,
            bool halo = false) {
    const QFontMetricsF fm(g.font());
    const double w = fm.horizontalAdvance(s), h = fm.height();
    double x = at.x(), y = at.y();
    if (a & Qt::AlignHCenter) x -= w / 2;
    else if (a & Qt::AlignRight) x -= w;
    if (a & Qt::AlignVCenter) y -= h / 2;
    else if (a & Qt::AlignBottom) y -= h;
    const QRectF box(x, y, w, h);
    // The font's line box is taller than its letters: the halo covers the letters only.
    if (halo) g.fillRect(box.adjusted(-1, 3, 1, -2), Qt::white);
    g.setPen(c);
    g.drawText(box, Qt::AlignCenter, s);
  }

  // "← 港外側" at the top left and "港内側 →" at the top right.
  void sides() {
    text({3, 1}, QString::fromUtf8("← 港外側"), Qt::AlignLeft | Qt::AlignTop);
    text({width_ - 3.0, 1}, QString::fromUtf8("港内側 →"), Qt::AlignRight | Qt::AlignTop);
  }

  void arrow_head(QPointF tip, QPointF from, const QColor& c) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * 6 + n * 2.5 << tip - u * 6 - n * 2.5;
    g.setPen(Qt::NoPen);
    g.setBrush(c);
    g.drawPolygon(head);
    g.setBrush(Qt::NoBrush);
  }

  void line(QPointF a, QPointF b, const QColor& c, double w = 1, Qt::PenStyle st = Qt::SolidLine) {
    g.setPen(QPen(c, w, st, Qt::FlatCap));
    g.drawLine(a, b);
  }

  // A dimension between two points with arrows at both ends and its name beside the middle.
  void dimension(QPointF a, QPointF b, const QString& name, Qt::Alignment label) {
    line(a, b, kDim);
    arrow_head(a, b, kDim);
    arrow_head(b, a, kDim);
    const QPointF mid = (a + b) / 2;
    const QPointF off = label & Qt::AlignBottom ? QPointF(0, -1)
                        : label & Qt::AlignTop  ? QPointF(0, 1)
                        : label & Qt::AlignRight ? QPointF(-4, 0)
                                                 : QPointF(4, 0);
    text(mid + off, name, label, kDim, true);
  }
  void dim_h(double x1, double x2, double y, const QString& name) {
    dimension({x1, y}, {x2, y}, name, Qt::AlignHCenter | Qt::AlignBottom);
  }
  void dim_v(double x, double y1, double y2, const QString& name, bool label_right = true) {
    dimension({x, y1}, {x, y2}, name,
              (label_right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  }
  // A thin extension line from a corner of the drawing to its dimension line.
  void extension(QPointF a, QPointF b) { line(a, b, kDim, 0.6); }

  void area(const QPolygonF& outline, const QColor& fill, double w = 1.5,
            const QColor& edge = kInk) {
    g.setPen(w > 0 ? QPen(edge, w) : QPen(Qt::NoPen));
    g.setBrush(fill);
    g.drawPolygon(outline);
    g.setBrush(Qt::NoBrush);
  }
  void area(const QRectF& r, const QColor& fill, double w = 1.5) { area(QPolygonF(r), fill, w); }

  // A ground line with short hatch strokes below it.
  void ground(const QPolygonF& surface) {
    g.setPen(QPen(kGround, 0.8));
    for (int i = 0; i + 1 < surface.size(); ++i) {
      const QLineF seg(surface[i], surface[i + 1]);
      const int n = static_cast<int>(seg.length() / 7);
      for (int k = 0; k < n; ++k) {
        const QPointF p = seg.pointAt((k + 0.5) / std::max(n, 1));
        g.drawLine(p, p + QPointF(-4, 5));
      }
    }
    g.setPen(QPen(kGround, 1.5));
    g.drawPolyline(surface);
  }

  // Sea water between two x from the water level down to `bottom`, with the level mark.
  void water(double x1, double x2, double level, double bottom) {
    g.fillRect(QRectF(x1, level, x2 - x1, bottom - level), kWaterFill);
    line({x1, level}, {x2, level}, kWaterLine);
    const double mx = x1 + (x2 - x1) * 0.3;
    QPolygonF mark;
    mark << QPointF(mx, level - 1) << QPointF(mx - 4, level - 7) << QPointF(mx + 4, level - 7);
    g.setPen(QPen(kWaterLine, 1));
    g.drawPolygon(mark);
  }

  // Downward load arrows from `top` onto the ground at each x, with the line that joins them.
  void loads(double x1, double x2, double top, const std::function<double(double)>& at) {
    line({x1, top}, {x2, top}, kCalc, 1.2);
    const int n = std::max(2, static_cast<int>((x2 - x1) / 11));
    for (int k = 0; k <= n; ++k) {
      const double x = x1 + (x2 - x1) * k / n;
      const double y = at(x) - 1;
      line({x, top}, {x, y - 4}, kCalc, 1.2);
      arrow_head({x, y}, {x, top}, kCalc);
    }
  }

  // An arc of radius r about `c` from angle a1 to a2 (degrees, counter-clockwise from east).
  void angle(QPointF c, double r, double a1, double a2, const QColor& col) {
    g.setPen(QPen(col, 1.2));
    g.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), static_cast<int>(a1 * 16),
              static_cast<int>((a2 - a1) * 16));
  }

  QPainter g;

 private:
  int width_;
};

QString u8(const char* s) { return QString::fromUtf8(s); }

// Plan over one repeat along the quay line and the section through the short-wall length, for
// the wall form and the lattice form. The two differ only in what is improved.
QPixmap wall_or_lattice_picture(bool lattice) {
  QPixmap p = blank(250, 162);
  Sketch s(p);
  s.sides();
  s.text({101, 1}, u8("平面"), Qt::AlignHCenter | Qt::AlignTop);
  const double x0 = 20, x1 = 66, x2 = 136, x3 = 182;  // Ｂｌ１, Ｂｓ, Ｂｌ２ across Ｂ
  const double p0 = 17, p1 = 30, p2 = 49, p3 = 62;    // Ｌｌ, Ｌｓ, Ｌｌ along the quay line
  const auto box = [](double l, double t, double r, double b) { return QRectF(l, t, r - l, b - t); };
  // Plan: the long walls over the full width, and what joins them over Ｌｓ.
  s.area(box(x0, p0, x3, p3), Qt::white);
  s.area(box(x0, p0, x3, p1), kImproved, 1);
  s.area(box(x0, p2, x3, p3), kImproved, 1);
  if (lattice) {
    s.area(box(x0, p1, x1, p2), kImproved, 1);
    s.area(box(x2, p1, x3, p2), kImproved, 1);
  } else {
    s.area(box(x1, p1, x2, p2), kImproved, 1);
  }
  s.g.setPen(QPen(kInk, 1.5));
  s.g.drawRect(box(x0, p0, x3, p3));
  s.line({x0 - 6, p2 - 4}, {x3 + 6, p2 - 4}, kReference, 1, Qt::DashDotLine);  // the section
  s.g.setFont(picture_font(10));
  s.text({(x0 + x3) / 2, (p0 + p1) / 2}, u8("長壁"), Qt::AlignCenter);
  if (!lattice) s.text({(x1 + x2) / 2, p1 + 7}, u8("短壁"), Qt::AlignCenter);
  s.g.setFont(picture_font(11));
  for (double y : {p0, p1, p2}) s.extension({x3 + 2, y}, {x3 + 16, y});
  s.dim_v(x3 + 12, p0, p1, u8("Ｌｌ"));
  s.dim_v(x3 + 12, p1, p2, u8("Ｌｓ"));
  for (double x : {x0, x1, x2, x3}) s.extension({x, p3 + 2}, {x, 79});
  s.dim_h(x0, x1, 76, u8("Ｂｌ１"));
  s.dim_h(x1, x2, 76, u8("Ｂｓ"));
  s.dim_h(x2, x3, 76, u8("Ｂｌ２"));

  // Section through the short-wall length, and the key to the shading.
  const double s0 = 98, s1 = 114, s2 = 142;  // top, bottom of the short walls, bottom
  s.text({x0, 80}, u8("断面（Ｌｓ部）"), Qt::AlignLeft | Qt::AlignTop);
  s.area(box(112, 85, 120, 93), kImproved, 1);
  s.text({123, 89}, u8("改良"), Qt::AlignLeft | Qt::AlignVCenter);
  s.area(box(152, 85, 160, 93), Qt::white, 1);
  s.text({163, 89}, u8("未改良"), Qt::AlignLeft | Qt::AlignVCenter);
  s.area(box(x0, s0, x3, s2), Qt::white);
  if (lattice) {
    s.area(box(x0, s0, x3, s1), kImproved, 1);
    s.area(box(x0, s1, x1, s2), kImproved, 1);
    s.area(box(x2, s1, x3, s2), kImproved, 1);
  } else {
    s.area(box(x1, s0, x2, s1), kImproved, 1);
  }
  s.line({x0, s1}, {x3, s1}, kReference, 1, Qt::DashLine);
  s.g.setPen(QPen(kInk, 1.5));
  s.g.drawRect(box(x0, s0, x3, s2));
  for (double y : {s0, s1, s2}) s.extension({x3 + 2, y}, {x3 + 16, y});
  s.dim_v(x3 + 12, s0, s1, u8("Ｄｓ"));
  s.dim_v(x3 + 12, s1, s2, u8("Ｄｌ"));
  for (double x : {x0, x3}) s.extension({x, s2 + 2}, {x, 160});
  s.dim_h(x0, x3, 157, u8("Ｂ"));
  return p;
}

}  // namespace

QPixmap normal_clay_formulas_picture() {
  QPixmap p = blank(358, 56);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::black);
  g.drawText(8, 20, QStringLiteral("[式－1]  P = Σγh + w － 2c"));
  g.drawText(8, 46, QStringLiteral("[式－2]  P = Kc・(Σγh + w)"));
  return p;
}

QPixmap rwl_pressure_picture() {
  QPixmap p = blank(kSeismicPictureSize.width(), kSeismicPictureSize.height());
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  pressure_diagram(g, 4, true, QStringLiteral("(1)"));
  pressure_diagram(g, 178, false, QStringLiteral("(2)"));
  return p;
}

QPixmap seismic_clay_formulas_picture() {
  QPixmap p = blank(kSeismicPictureSize.width(), kSeismicPictureSize.height());
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::black);
  g.drawText(8, 22, QStringLiteral("[式－1]"));
  g.drawText(20, 46, QStringLiteral("P = (Σγh + w)・sin(ζ + θ) / (cosθ・sinζ)"));
  g.drawText(48, 68, QStringLiteral("－ c / (cosζ・sinζ)"));
  g.drawText(20, 92, QStringLiteral("ζ = tan⁻¹√(1 － ((Σγh + 2w) / 2c)・tanθ)"));
  g.drawText(8, 120, QStringLiteral("[式－2]"));
  g.drawText(20, 142, QStringLiteral("P = Kc・(Σγh + w)"));
  return p;
}

QPixmap superstructure_picture() {
  QPixmap p = blank(260, 170);
  Sketch s(p);
  s.sides();
  const double seabed = 112, bottom = 162;
  // The wall stands on a mound on the body; its sea-side face at x 132, its base at y 70.
  const QRectF wall(132, 20, 80, 50);
  s.water(0, wall.left(), 36, seabed);
  s.ground(QPolygonF{{0, seabed}, {56, seabed}});
  s.ground(QPolygonF{{wall.right(), 26}, {260, 26}});
  s.area(QRectF(56, seabed, 194, bottom - seabed), kImproved);
  s.area(QPolygonF{{80, wall.bottom()}, {220, wall.bottom()}, {244, seabed}, {56, seabed}},
         QColor(236, 236, 236), 1);
  s.area(wall, kConcrete);
  s.text(wall.center(), u8("上部工"), Qt::AlignCenter);
  s.text({246, 146}, u8("改良体"), Qt::AlignRight | Qt::AlignVCenter);
  // The check point at the sea-side toe of the wall's base; the load spreads from it toward the
  // sea at the spread angle from the vertical down to the top of the body: there stands the
  // shear plane.
  const QPointF check = wall.bottomLeft();
  const double spread = 40 * 3.14159265358979 / 180;
  const QPointF foot(check.x() - (seabed - check.y()) * std::tan(spread), seabed);
  s.line(check, {check.x(), seabed + 4}, kReference, 1, Qt::DashLine);
  s.line(check, foot, kCalc, 1.5);
  s.angle(check, 20, 230, 270, kCalc);
  s.text({check.x() - 28, 98}, u8("分散角"), Qt::AlignRight | Qt::AlignVCenter, kCalc);
  s.line({foot.x(), seabed}, {foot.x(), bottom}, kCalc, 1, Qt::DashLine);
  s.text({foot.x() + 3, 150}, u8("せん断面"), Qt::AlignLeft | Qt::AlignVCenter, kCalc);
  s.g.setPen(QPen(kDim, 1.5));
  s.g.drawRect(QRectF(check.x() - 3.5, check.y() - 3.5, 7, 7));
  s.line({check.x() - 4, check.y() - 4}, {check.x() - 14, 54}, kDim);
  s.text({check.x() - 15, 54}, u8("検討点（Ｘ，Ｙ）"), Qt::AlignRight | Qt::AlignVCenter, kDim, true);
  // The directions of the coordinates.
  const QPointF o(10, 160);
  s.line(o, o + QPointF(26, 0), kInk);
  s.arrow_head(o + QPointF(28, 0), o, kInk);
  s.line(o, o + QPointF(0, -26), kInk);
  s.arrow_head(o + QPointF(0, -28), o, kInk);
  s.text(o + QPointF(30, 0), u8("Ｘ"), Qt::AlignLeft | Qt::AlignVCenter);
  s.text(o + QPointF(4, -24), u8("Ｙ"), Qt::AlignLeft | Qt::AlignVCenter);
  return p;
}

QPixmap improved_body_picture() {
  QPixmap p = blank(260, 188);
  Sketch s(p);
  s.sides();
  const double datum = 30, origin = 14, seabed = 84;
  const double x0 = 70, x1 = 190, dh1 = 160, dh2 = 148;
  s.water(0, x0, 42, seabed);
  s.ground(QPolygonF{{0, seabed}, {x0, seabed}});
  s.ground(QPolygonF{{150, 36}, {224, 36}});
  s.area(QRectF(86, 36, 64, seabed - 36), QColor(236, 236, 236), 1);
  s.text({118, 60}, u8("上部工"), Qt::AlignCenter, kReference);
  s.area(QPolygonF{{x0, seabed}, {x1, seabed}, {x1, dh2}, {x0, dh1}}, kImproved);
  s.line({x0, 116}, {x1, 116}, kReference, 1, Qt::DashLine);
  s.text({(x0 + x1) / 2, 100}, u8("改良体"), Qt::AlignCenter);
  // Level 0 and x = 0: the levels and Ｘ are measured from them.
  s.line({origin - 6, datum}, {226, datum}, kReference, 1, Qt::DashDotLine);
  s.line({origin, datum - 6}, {origin, 182}, kReference, 1, Qt::DashDotLine);
  s.text({origin - 2, datum - 1}, u8("0"), Qt::AlignRight | Qt::AlignBottom, kReference);
  s.text({228, datum}, u8("標高0"), Qt::AlignLeft | Qt::AlignVCenter, kReference);
  s.extension({x0 - 2, dh1}, {x0 - 16, dh1});
  s.dim_v(x0 - 12, datum, dh1, u8("Dh1"), false);
  s.extension({x1 + 2, dh2}, {x1 + 18, dh2});
  s.dim_v(x1 + 14, datum, dh2, u8("Dh2"));
  s.extension({x0, dh1 + 2}, {x0, 182});
  s.extension({x1, dh2 + 2}, {x1, 182});
  s.dim_h(origin, x0, 178, u8("Ｘ"));
  s.dim_h(x0, x1, 178, u8("Ｂ"));
  return p;
}

QPixmap wall_form_picture() { return wall_or_lattice_picture(false); }

QPixmap lattice_form_picture() { return wall_or_lattice_picture(true); }

QPixmap ground_surface_shapes_picture() {
  QPixmap p = blank(260, 194);
  Sketch s(p);
  s.sides();
  // The two shapes of the surface behind the wall.
  for (int k = 0; k < 2; ++k) {
    const double ox = k * 132;
    s.text({ox + 64, 17}, u8(k == 0 ? "直線形状" : "任意形状"), Qt::AlignHCenter | Qt::AlignTop);
    s.water(ox, ox + 40, 58, 96);
    s.ground(QPolygonF{{ox, 96}, {ox + 40, 96}});
    s.area(QRectF(ox + 40, 48, 16, 48), kConcrete);
    if (k == 0) {
      s.ground(QPolygonF{{ox + 56, 48}, {ox + 126, 34}});
      continue;
    }
    const QPolygonF pts{{ox + 56, 48}, {ox + 78, 48}, {ox + 96, 34}, {ox + 120, 34}};
    s.area(QPolygonF{pts[1], pts[2], pts[3], {ox + 120, 48}}, kFill, 0);
    s.line({ox + 78, 48}, {ox + 124, 48}, kGround, 1, Qt::DashLine);
    s.ground(pts);
    s.g.setFont(picture_font(10));
    s.text({ox + 108, 42}, u8("盛土"), Qt::AlignCenter);
    for (int i = 0; i < pts.size(); ++i) {
      s.g.setPen(QPen(kDim, 1));
      s.g.setBrush(Qt::white);
      s.g.drawEllipse(pts[i], 2.5, 2.5);
      s.g.setBrush(Qt::NoBrush);
      s.text(pts[i] + QPointF(0, -3), QString::number(i + 1), Qt::AlignHCenter | Qt::AlignBottom,
             kDim);
    }
    s.g.setFont(picture_font(11));
  }
  // The collapse line inside an embankment: at the first layer's angle, or straight up.
  s.line({4, 104}, {256, 104}, kReference, 0.6);
  s.text({130, 106}, u8("盛土形状内の崩壊角"), Qt::AlignHCenter | Qt::AlignTop);
  for (int k = 0; k < 2; ++k) {
    const double ox = k * 132;
    s.g.setFont(picture_font(10));
    s.text({ox + 64, 124}, u8(k == 0 ? "第１層の崩壊角を使用" : "90度（直上がり）を使用"),
           Qt::AlignHCenter | Qt::AlignTop);
    s.area(QRectF(ox + 22, 140, 104, 18), kFill, 0);
    s.ground(QPolygonF{{ox + 22, 140}, {ox + 126, 140}});
    s.line({ox + 22, 158}, {ox + 126, 158}, kGround, 1, Qt::DashLine);
    s.area(QRectF(ox + 8, 140, 14, 52), kConcrete);
    s.text({ox + 110, 149}, u8("盛土"), Qt::AlignCenter);
    s.text({ox + 110, 176}, u8("第１層"), Qt::AlignCenter);
    // From the heel up through the first layer at its collapse angle (atan(32 / 28)), then on
    // at that angle or straight up through the embankment.
    const QPointF heel(ox + 22, 190), at_top(ox + 50, 158);
    s.line(heel, at_top, kCalc, 1.5);
    s.line(at_top, k == 0 ? QPointF(ox + 65.75, 140) : QPointF(ox + 50, 140), kCalc, 1.5);
    s.angle(heel, 14, 0, 48.8, kCalc);
    s.text({ox + 40, 183}, u8("崩壊角"), Qt::AlignLeft | Qt::AlignVCenter, kCalc);
    if (k == 1) s.text({ox + 53, 149}, u8("90°"), Qt::AlignLeft | Qt::AlignVCenter, kCalc);
    s.g.setFont(picture_font(11));
  }
  return p;
}

QPixmap surface_slopes_picture() {
  QPixmap p = blank(260, 124);
  Sketch s(p);
  s.sides();
  s.water(0, 100, 56, 110);
  // Cover the water below the seabed line, which falls toward the sea.
  s.area(QPolygonF{{0, 116}, {100, 98}, {100, 124}, {0, 124}}, Qt::white, 0);
  s.ground(QPolygonF{{100, 98}, {0, 116}});
  s.ground(QPolygonF{{124, 48}, {258, 20}});
  s.area(QRectF(100, 48, 24, 50), kConcrete);
  s.line({124, 48}, {254, 48}, kReference, 1, Qt::DashLine);
  s.line({100, 98}, {8, 98}, kReference, 1, Qt::DashLine);
  s.angle({124, 48}, 52, 0, 11.8, kDim);   // atan(28 / 134)
  s.angle({100, 98}, 52, 180, 190.2, kDim);  // atan(18 / 100)
  s.text({194, 51}, u8("地表面傾斜角"), Qt::AlignHCenter | Qt::AlignTop, kDim);
  s.text({48, 95}, u8("海底面傾斜角"), Qt::AlignHCenter | Qt::AlignBottom, kDim, true);
  return p;
}

QPixmap surcharge_picture(bool arbitrary_shape) {
  QPixmap p = blank(260, 124);
  Sketch s(p);
  s.sides();
  const double seabed = 88;
  s.water(0, 100, 38, seabed);
  s.ground(QPolygonF{{0, seabed}, {100, seabed}});
  s.area(QRectF(100, 34, 28, seabed - 34), kConcrete);
  s.loads(8, 92, 72, [seabed](double) { return seabed; });
  if (!arbitrary_shape) {
    s.ground(QPolygonF{{128, 50}, {258, 50}});
    s.loads(136, 250, 32, [](double) { return 50.0; });
    s.text({193, 30}, u8("地表面の上載荷重"), Qt::AlignHCenter | Qt::AlignBottom, kCalc);
    s.text({50, 70}, u8("海底面の上載荷重"), Qt::AlignHCenter | Qt::AlignBottom, kCalc, true);
    return p;
  }
  // Ranges on the surface through the points: each from Xmin to Xmax with its own load.
  s.ground(QPolygonF{{128, 50}, {170, 50}, {200, 40}, {258, 40}});
  const auto at = [](double x) { return x <= 170 ? 50.0 : x >= 200 ? 40.0 : 50 - (x - 170) / 3; };
  const double xmin = 142, xmax = 214, axis = 108;
  s.loads(xmin, xmax, 26, at);
  s.text({(xmin + xmax) / 2, 24}, u8("上載荷重"), Qt::AlignHCenter | Qt::AlignBottom, kCalc);
  s.text({50, 70}, u8("海底面"), Qt::AlignHCenter | Qt::AlignBottom, kCalc, true);
  s.line({xmin, at(xmin) + 2}, {xmin, axis}, kReference, 1, Qt::DashLine);
  s.line({xmax, at(xmax) + 2}, {xmax, axis}, kReference, 1, Qt::DashLine);
  s.dim_h(xmin, xmax, 97, u8("作用範囲（m）"));
  s.line({6, axis}, {250, axis}, kInk);
  s.arrow_head({256, axis}, {6, axis}, kInk);
  s.text({248, axis - 2}, u8("X"), Qt::AlignRight | Qt::AlignBottom);
  s.text({xmin, axis + 1}, u8("Xmin"), Qt::AlignHCenter | Qt::AlignTop, kDim);
  s.text({xmax, axis + 1}, u8("Xmax"), Qt::AlignHCenter | Qt::AlignTop, kDim);
  return p;
}

}  // namespace qvt::pages
