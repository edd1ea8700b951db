#pragma once

#include <QFont>
#include <QString>

namespace finplan::render {

// The fixed-pitch family the graphs write in: "Courier" where it is installed, otherwise the
// system's fixed-pitch family.
QString graphFontFamily();

// Screen text: one hundredth of the main window's client height at start-up, but never
// smaller than the smallest size a fixed-pitch screen font reads well at.
inline constexpr int kMinimumScreenTextHeight = 13;
int screenTextHeight(int startupClientHeight);
QFont screenGraphFont(int startupClientHeight);

// Printer text: the family at the printer's ordinary text size.
QFont printerGraphFont();

// Value readouts and boxed labels: bold, lineHeight - 4 pixels high.
QFont readoutFont(int lineHeight);

} // namespace finplan::render
