#include "ui/program_icon.h"

#include <QPainter>

namespace pictavue {
namespace {

// One framed picture: a white mount, a sky and a hill.
void DrawPicture(QPainter& painter, const QRectF& frame, const QColor& sky) {
  const qreal border = frame.width() / 12;
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), border / 2));
  painter.setBrush(Qt::white);
  painter.drawRect(frame);
  const QRectF inner = frame.adjusted(border, border, -border, -border);
  painter.setPen(Qt::NoPen);
  painter.setBrush(sky);
  painter.drawRect(inner);
  QPolygonF hill;
  hill << inner.bottomLeft() << QPointF(inner.left() + inner.width() * 0.35, inner.center().y())
       << QPointF(inner.left() + inner.width() * 0.6, inner.bottom() - inner.height() * 0.25)
       << QPointF(inner.left() + inner.width() * 0.8, inner.top() + inner.height() * 0.4)
       << inner.bottomRight();
  painter.setBrush(QColor(0x3C, 0x9A, 0x3C));
  painter.drawPolygon(hill);
  painter.setBrush(QColor(0xF5, 0xC5, 0x18));
  const qreal sun = inner.width() / 7;
  painter.drawEllipse(QPointF(inner.left() + inner.width() * 0.25, inner.top() + sun * 1.4), sun,
                      sun);
}

}  // namespace

QPixmap ProgramIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = size * 0.72;
  DrawPicture(painter, QRectF(size - side - size * 0.04, size * 0.04, side, side * 0.78),
              QColor(0xB8, 0xD8, 0xF0));
  DrawPicture(painter, QRectF(size * 0.04, size - side * 0.78 - size * 0.04, side, side * 0.78),
              QColor(0x7F, 0xB8, 0xE8));
  return pixmap;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) {
    icon.addPixmap(ProgramIconPixmap(size));
  }
  return icon;
}

}  // namespace pictavue
