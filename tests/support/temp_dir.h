#pragma once

#include "model/byte_io.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace finplan::test {

// A fresh directory below the system temp folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::vector<Byte> readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const std::vector<Byte>& bytes);
std::string readText(const std::filesystem::path& path);
void writeText(const std::filesystem::path& path, const std::string& text);
// The names of the entries of a directory.
std::set<std::string> namesIn(const std::filesystem::path& dir);

} // namespace finplan::test
