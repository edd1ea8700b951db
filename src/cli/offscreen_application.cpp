#include "cli/offscreen_application.h"

#include "platform/numeric_locale.h"

namespace finplan::cli {

OffscreenApplication::OffscreenApplication() {
    if (QCoreApplication::instance() == nullptr) {
        m_application = std::make_unique<QGuiApplication>(m_count, m_words.data());
    }
    // The application has taken the user's locale; the numbers drawn keep their point.
    useCNumericLocale();
}

} // namespace finplan::cli
