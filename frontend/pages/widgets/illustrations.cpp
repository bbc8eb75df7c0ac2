#include "frontend/pages/widgets/illustrations.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

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

}  // namespace

QPixmap normal_clay_formulas_picture() {
  QPixmap p = blank(358, 70);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::black);
  g.drawText(8, 24, QStringLiteral("[式－1]  P = Σγh + w － 2c"));
  g.drawText(8, 52, QStringLiteral("[式－2]  P = Kc・(Σγh + w)"));
  return p;
}

QPixmap rwl_pressure_picture() {
  QPixmap p = blank(390, 150);
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  pressure_diagram(g, 8, true, QStringLiteral("(1)"));
  pressure_diagram(g, 200, false, QStringLiteral("(2)"));
  return p;
}

QPixmap seismic_clay_formulas_picture() {
  QPixmap p = blank(390, 150);
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

}  // namespace qvt::pages
