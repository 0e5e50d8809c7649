#include "shell/Glyphs.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QString ArtworkPath(const QString& name) { return QStringLiteral(":/corvane/%1.svg").arg(name); }

constexpr QSize kGlyphSize(16, 16);

}  // namespace

QPixmap ArtworkPixmap(const QString& name, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(ArtworkPath(name));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QIcon GlyphIcon(const QString& name) {
  QIcon icon;
  icon.addPixmap(ArtworkPixmap(name, kGlyphSize), QIcon::Normal);
  const QString greyed = name + QStringLiteral("-disabled");
  if (QFile::exists(ArtworkPath(greyed))) icon.addPixmap(ArtworkPixmap(greyed, kGlyphSize), QIcon::Disabled);
  return icon;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 32, 48}) icon.addPixmap(ArtworkPixmap(QStringLiteral("logo"), QSize(side, side)));
  return icon;
}
