#pragma once

#include <QGuiApplication>

#include <array>
#include <memory>
#include <string>

namespace finplan::cli {

// Drawing needs a GUI application. The command line has none of its own, so one drawing
// offscreen lives as long as the command; it keeps the words it was given, as Qt requires.
class OffscreenApplication {
public:
    OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    std::string m_program = "finplan-cli";
    std::string m_option = "-platform";
    std::string m_platform = "offscreen";
    std::array<char*, 4> m_words{m_program.data(), m_option.data(), m_platform.data(), nullptr};
    int m_count = 3;
    std::unique_ptr<QGuiApplication> m_application;
};

} // namespace finplan::cli
