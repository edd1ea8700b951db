#include "render/graph_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace finplan::render {

namespace {

// The ordinary text size of a printer, in points.
constexpr int kPrinterPointSize = 10;

bool installed(const QString& family) {
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(), [&family](const QString& f) {
        return f.compare(family, Qt::CaseInsensitive) == 0;
    });
}

QFont fixedFont(const QString& family) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    return font;
}

} // namespace

QString graphFontFamily() {
    for (const char* family : {"Courier", "Courier New", "DejaVu Sans Mono"}) {
        const QString name = QString::fromLatin1(family);
        if (installed(name)) {
            return name;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

int screenTextHeight(int startupClientHeight) {
    return std::max(startupClientHeight / 100, kMinimumScreenTextHeight);
}

QFont screenGraphFont(int startupClientHeight) {
    QFont font = fixedFont(graphFontFamily());
    font.setPixelSize(screenTextHeight(startupClientHeight));
    return font;
}

QFont printerGraphFont() {
    QFont font = fixedFont(graphFontFamily());
    font.setPointSize(kPrinterPointSize);
    return font;
}

QFont readoutFont(int lineHeight) {
    // "Tms Rmn" where it exists; its fixed-pitch stand-in otherwise.
    QFont font = fixedFont(graphFontFamily());
    font.setFamilies({QStringLiteral("Tms Rmn"), graphFontFamily()});
    font.setWeight(QFont::Bold);
    font.setPixelSize(std::max(lineHeight - 4, 6));
    return font;
}

} // namespace finplan::render
