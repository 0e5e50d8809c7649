#pragma once
// Page pictures that ask much of the painter, crafted with QPainter on a Letter page of
// the page store (816 x 1056 pixels at 96 dpi): the page files that once froze the preview,
// with values each within the bounds of their day, and pages just within the limits of
// what a page may ask for (PageDrawingWork.h), the dearest pages the check accepts.

#include "report/device/PageDrawingWork.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QPicture;

// One drawing, made count times; n counts from 0.
struct CraftedPart {
  std::function<void(QPainter& painter, int n)> draw;
  int count = 1;
};

struct CraftedPage {
  QString name;
  QList<CraftedPart> parts;
};

// 100,000 ellipses of the radius with the pen; a filled path of 33,333 cubic curves of the
// radius drawn six times (200,000 curves); eight polylines of 100,000 points with the pen.
// As the page files were filed: a radius of 10^6 and a pen of 10,000.
QList<CraftedPage> HostilePages(double penWidth = 10000, double radius = 1e6);

// Pages that each come within 3 % of the limit in one of the dear ways of drawing, and one
// that mixes three of them.
QList<CraftedPage> PagesAtTheLimits();

// The page drawn into a new page picture.
std::unique_ptr<QPicture> CraftPicture(const CraftedPage& page);
// Its drawing work as the check estimates it; empty when the check refuses it.
std::optional<PageDrawingWork> CraftedWork(const CraftedPage& page);
// Saves a page file holding the page alone, written by the page store.
void SavePageFile(const CraftedPage& page, const QString& fileName);
