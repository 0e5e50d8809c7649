#pragma once
// The program's artwork, drawn from the SVG files compiled into the program.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The named 16 x 16 glyph, with its greyed variant for the disabled state when one exists.
QIcon GlyphIcon(const QString& name);

// The named picture drawn at the given size.
QPixmap ArtworkPixmap(const QString& name, QSize size);

// The program's logo; also its window icon.
QIcon ProgramIcon();
