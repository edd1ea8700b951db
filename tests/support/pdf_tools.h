#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace finplan::test {

// What a poppler tool prints about a file.
inline std::string toolOutput(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
        text += buffer.data();
    }
    ::pclose(pipe);
    return text;
}

// The page count pdfinfo reads from a PDF; -1 when it reads none.
inline int pdfPages(const std::filesystem::path& pdf) {
    const std::string info = toolOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The text pdftotext finds, laid out as on the page.
inline std::string pdfText(const std::filesystem::path& pdf) {
    return toolOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

} // namespace finplan::test
