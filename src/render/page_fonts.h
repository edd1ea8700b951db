#pragma once

#include <QFont>
#include <QString>

namespace finplan::render {

// Weight of the headings font.
inline constexpr int kHeadingWeight = 800;

// A report font of the given pixel height, stretched so that its average character is about
// charWidth pixels wide; weight 400 or kHeadingWeight.
QFont reportFont(const QString& family, int pixelHeight, int charWidth, int weight = 400);

} // namespace finplan::render
