#pragma once
// The genuine worksheet pages at their dearest: each worksheet (men's, women's and
// one-site) filled with every value at its widest and a long name, its marks set for a
// soldier not within standards, generated into a page store. For measuring what a genuine
// page asks of the painter.

#include <QPicture>
#include <QString>

#include <vector>

struct GenuinePage {
  QString name;
  QPicture picture;  // empty when the page store held no page
};

std::vector<GenuinePage> WidestWorksheetPages();
