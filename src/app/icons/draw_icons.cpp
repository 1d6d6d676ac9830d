// Draws the program's icons into the folder given as the argument:
// frame-N.png (icon 128, the window: two circles fusing into a golden lens)
// and emblem-N.png (icon 131, the About box and the form: an eight-pointed
// star in a ring). The PNG files beside this program are its output.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <cstdio>

namespace {

QImage canvas(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage drawFrameIcon(int size) {
  QImage image = canvas(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  p.setPen(QPen(QColor(0xd9, 0xa4, 0x41), 1.2));
  p.setBrush(QColor(0x2a, 0x22, 0x4f));
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

  const QRectF left(5, 9, 14, 14);
  const QRectF right(13, 9, 14, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xc8, 0x3c, 0x4b));
  p.drawEllipse(left);
  p.setBrush(QColor(0x2f, 0x9c, 0xa8));
  p.drawEllipse(right);

  QPainterPath leftPath;
  leftPath.addEllipse(left);
  QPainterPath rightPath;
  rightPath.addEllipse(right);
  p.setBrush(QColor(0xf2, 0xc8, 0x4b));
  p.drawPath(leftPath.intersected(rightPath));
  return image;
}

QImage drawEmblemIcon(int size) {
  QImage image = canvas(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  p.setPen(QPen(QColor(0x4b, 0x2e, 0x83), 2.0));
  p.setBrush(QColor(0xf4, 0xee, 0xfb));
  p.drawEllipse(QPointF(16, 16), 14.5, 14.5);

  auto square = [](double turn) {
    QPolygonF points;
    for (int corner = 0; corner < 4; ++corner) {
      const double angle = qDegreesToRadians(turn + 90.0 * corner);
      points << QPointF(16 + 11 * std::sin(angle), 16 - 11 * std::cos(angle));
    }
    return points;
  };
  p.setPen(QPen(QColor(0xb0, 0x7a, 0x12), 1.4));
  p.setBrush(QColor(0xf2, 0xc8, 0x4b, 200));
  p.drawPolygon(square(0));
  p.drawPolygon(square(45));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4b, 0x2e, 0x83));
  p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillmoor_draw_icons FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  bool saved = true;
  for (int size : {32, 256}) saved = drawFrameIcon(size).save(QString("%1/frame-%2.png").arg(folder).arg(size)) && saved;
  for (int size : {32, 64}) saved = drawEmblemIcon(size).save(QString("%1/emblem-%2.png").arg(folder).arg(size)) && saved;
  if (!saved) std::fprintf(stderr, "quillmoor_draw_icons: cannot write into %s\n", argv[1]);
  return saved ? 0 : 1;
}
