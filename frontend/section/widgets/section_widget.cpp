#include "frontend/section/widgets/section_widget.h"

#include "frontend/section/section_paint.h"

#include <QBitmap>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace qvt::section {

namespace {

QColor qcolour(Colour c) { return QColor(c.r, c.g, c.b); }

QPen pen_of(const DrawItem& item) {
  QPen pen(qcolour(item.colour));
  pen.setCosmetic(true);
  pen.setWidth(1);
  pen.setStyle(item.style == LineStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  return pen;
}

QPoint px(int x, int y) { return {twips_to_pixels(x), twips_to_pixels(y)}; }

int mouse_button(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

}  // namespace

int twips_to_pixels(int twips) {
  return twips >= 0 ? twips / kTwipsPerPixel : -((-twips + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

QFont section_font() {
  QFont f;
  f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans Mono CJK JP"),
                 QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAGothic"),
                 QStringLiteral("MS Gothic")});
  f.setPointSize(9);
  return f;
}

void paint_display_list(QPainter& painter, const DisplayList& list) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(section_font());
  const QFontMetrics metrics(painter.font());
  for (const DrawItem& item : list.items) {
    painter.setPen(pen_of(item));
    switch (item.kind) {
      case DrawItem::Line:
        painter.drawLine(px(item.x1, item.y1), px(item.x2, item.y2));
        break;
      case DrawItem::Rectangle: {
        const QPoint a = px(item.x1, item.y1), b = px(item.x2, item.y2);
        painter.drawLine(a.x(), a.y(), b.x(), a.y());
        painter.drawLine(b.x(), a.y(), b.x(), b.y());
        painter.drawLine(b.x(), b.y(), a.x(), b.y());
        painter.drawLine(a.x(), b.y(), a.x(), a.y());
        break;
      }
      case DrawItem::Text: {
        const QPoint p = px(item.x1, item.y1);
        painter.drawText(p.x(), p.y() + metrics.ascent(), QString::fromStdString(item.text));
        break;
      }
    }
  }
}

QImage render_section(const model::ProjectModel& m, const ViewState& view,
                      const EditorState& editor, const PageState& pages, int width, int height) {
  DisplayList list;
  paint_section({m, view, editor, pages}, list);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  paint_display_list(painter, list);
  return image;
}

QCursor magnifier_cursor() {
  QBitmap shape(32, 32);
  shape.fill(Qt::color0);
  {
    QPainter p(&shape);
    p.setPen(QPen(Qt::color1, 2));
    p.drawEllipse(2, 2, 16, 16);
    p.setPen(QPen(Qt::color1, 4));
    p.drawLine(17, 17, 28, 28);
    p.setPen(QPen(Qt::color1, 2));
    p.drawLine(6, 10, 14, 10);
    p.drawLine(10, 6, 10, 14);
  }
  return QCursor(shape, shape, 0, 0);
}

SectionPictureWidget::SectionPictureWidget(SectionPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setObjectName(QStringLiteral("section_picture"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFont(section_font());
}

void SectionPictureWidget::set_zoom_pointer(bool zoom) {
  if (zoom)
    setCursor(magnifier_cursor());
  else
    unsetCursor();
}

void SectionPictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  paint_display_list(painter, picture_.display_list());
}

void SectionPictureWidget::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  picture_.mouse_pressed(mouse_button(event->button()), p.x() * kTwipsPerPixel,
                            p.y() * kTwipsPerPixel);
}

void SectionPictureWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  picture_.mouse_moved(mouse_button(event->button()), p.x() * kTwipsPerPixel,
                            p.y() * kTwipsPerPixel);
}

}  // namespace qvt::section
