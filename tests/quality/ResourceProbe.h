#pragma once
// What the resource checks count: the page store's spill files in the temporary
// directory, the live report engine objects, and the process's resident memory.

#include <QString>

class QPainter;

// The page store's spill files now in QDir::tempPath().
int CountSpillFiles();

struct LiveEngineObjects {
  int devices = 0;
  int pageStores = 0;
  int streams = 0;
  int previewWindows = 0;

  static LiveEngineObjects Now();
  bool operator==(const LiveEngineObjects&) const = default;
  QString ToString() const;
};

// Resident set size of this process in KiB (0 where the system does not tell).
long ResidentKiB();

// Draws a figure dense enough that a page holding it records some 40000 bytes.
void DrawDenseFigure(QPainter& canvas, int seed);
