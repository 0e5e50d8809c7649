#pragma once
// Page-store documents filled by hand and stored pages rendered to images, shared by the
// output device and preview tests.

#include "report/device/TsPrinter.h"

#include <QImage>

#include <functional>
#include <memory>

using PageDrawer = std::function<void(TTsPrinter& device, int page)>;

// A page-store document of the given number of pages, each drawn by drawPage; finished
// unless finish is false.
std::unique_ptr<TTsPrinter> StoreDocumentOf(int pages, const PageDrawer& drawPage,
                                            TTsPaperSize paper = TTsPaperSize::Letter,
                                            TTsOrientation orientation = TTsOrientation::poPortrait,
                                            bool finish = true);

// Draws a page of some 270 kB of short horizontal lines at random places: larger than the
// block the store reads ahead, so its file is read afresh for each page, yet cheap enough
// to draw that the page check accepts it.
void DrawManyShortLines(TTsPrinter& device, int page);

// Overwrites 64 bytes at offset (from the end when negative) of the file into which the
// device's page store has spilled its pages; false when it cannot.
bool DamageSpilledPages(TTsPrinter& device, qint64 offset);

// Saves a one-page file whose page is 150 mm square, a size no paper of the table has.
void SaveSquarePageFile(const QString& fileName);

// Page n of the device replayed at its own size on white (a null image without the page).
QImage RenderDevicePage(TTsPrinter& device, int n);
