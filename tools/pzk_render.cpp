// qvt_pzk_render FIGURE.PZK PICTURE.png [PIXELS_PER_1000_UNITS]: draws a figure file as the
// report viewer would lay it on paper (x to the right, y downward, page units), so the figures
// the engines write can be looked at. Line kinds 1 to 3 are drawn dashed, dotted and dash-dotted;
// pens 1 to 3 get growing widths; a text at angle 90 reads from bottom to top.
#include "common/cp932.h"
#include "common/textfile.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

QPen pen_of(int pen, int kind, double px_per_unit) {
  QPen p(Qt::black);
  p.setWidthF(std::max(1.0, pen * 4.0 * px_per_unit));
  static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                        Qt::DashDotLine};
  p.setStyle(styles[(kind >= 0 && kind <= 3) ? kind : 0]);
  return p;
}

// The text of a K command without the sub- and superscript escapes.
QString plain_text(const std::string& cp932) {
  std::string t = qvt::cp932_to_utf8_lossy(cp932);
  std::string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\\' && i + 1 < t.size() && (t[i + 1] == 'U' || t[i + 1] == 'D')) {
      ++i;
      continue;
    }
    out += t[i];
  }
  return QString::fromStdString(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: qvt_pzk_render FIGURE.PZK PICTURE.png [PIXELS_PER_1000_UNITS]\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const auto lines = qvt::read_lines(argv[1]);
  if (!lines || lines->size() < 2) {
    std::cerr << "cannot read " << argv[1] << '\n';
    return 1;
  }
  const double k = (argc > 3 ? std::atof(argv[3]) : 250.0) / 1000.0;
  // The page of the section figures reaches (4100, 6300); the others stay within it.
  QImage image(static_cast<int>(4100 * k), static_cast<int>(6300 * k), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(k, k);
  const std::vector<std::string>& l = *lines;
  for (std::size_t i = 2; i < l.size(); ++i) {
    std::istringstream in(l[i]);
    char c = 0;
    in >> c;
    std::vector<int> v;
    for (int x; in >> x;) v.push_back(x);
    auto need = [&](std::size_t n) { return v.size() >= n; };
    if ((c == 'L' || c == 'Q') && need(6)) {
      QPen p = pen_of(v[5], v[4], 1.0);
      painter.setPen(p);
      painter.setBrush(Qt::NoBrush);
      if (c == 'L')
        painter.drawLine(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
      else
        painter.drawRect(QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3])).normalized());
    } else if (c == 'K' && need(6)) {
      const std::string text = i + 1 < l.size() ? l[++i] : std::string();
      QFont font("Noto Sans CJK JP");
      font.setPixelSize(std::max(1, v[3]));
      painter.setFont(font);
      painter.setPen(pen_of(v[5], 0, 1.0));
      painter.save();
      painter.translate(v[0], v[1]);
      painter.rotate(-v[4]);
      painter.drawText(QPointF(0, 0), plain_text(text));
      painter.restore();
    } else if (c == 'Y' && need(7)) {
      painter.setPen(pen_of(v[6], 0, 1.0));
      const QPointF a(v[0], v[1]), b(v[2], v[3]);
      painter.drawLine(a, b);
      const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
      if (len > 0) {
        const double ux = (b.x() - a.x()) / len, uy = (b.y() - a.y()) / len;
        const QPointF base(b.x() - ux * v[4], b.y() - uy * v[4]);
        const QPointF side(-uy * v[5] / 2.0, ux * v[5] / 2.0);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({b, base + side, base - side}));
        painter.setBrush(Qt::NoBrush);
      }
    } else if (c == 'P' && need(6)) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::black);
      painter.drawPolygon(QPolygonF({QPointF(v[0], v[1]), QPointF(v[2], v[3]), QPointF(v[4], v[5])}));
      painter.setBrush(Qt::NoBrush);
    } else if (c == 'A' && need(4)) {
      painter.setPen(pen_of(v[3], 0, 1.0));
      painter.drawEllipse(QPointF(v[0], v[1]), v[2], v[2]);
    }
  }
  painter.end();
  if (!image.save(argv[2])) {
    std::cerr << "cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
