#pragma once

#include <QFont>

// The font for texts laid out by the thousand (the grid's cells): `font` with shaping off when
// that draws every pair of hexadecimal digits with the same glyphs at the same places, else
// `font` as it is. Shaping is most of the cost of a new cell text, and a face with kerning
// between digits would shift them without it.
QFont unshapedWhereAlike(const QFont& font);
