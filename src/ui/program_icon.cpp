#include "ui/program_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pictavue {

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/pictavue/pictavue.svg"));
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

QPixmap ProgramIconPixmap(int size) {
  return QPixmap::fromImage(ProgramIconImage(size));
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(ProgramIconPixmap(size));
  }
  return icon;
}

}  // namespace pictavue
