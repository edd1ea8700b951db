#pragma once

#include "model/account_table.h"
#include "platform/user_dialogs.h"
#include "results/year_flows.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace finplan {

// The three text files a run leaves for the report pages: money events ("bigfile.tmp"), money
// leaving accounts ("outfile.tmp") and money coming into accounts ("infile.tmp"). A file that
// cannot be created is reported once and then silently left out of every write.
class RunLogs {
public:
    RunLogs(const std::filesystem::path& workDir, UserDialogs& dialogs);
    ~RunLogs();
    RunLogs(const RunLogs&) = delete;
    RunLogs& operator=(const RunLogs&) = delete;

    // The number of accounts and their names in table order, ahead of the incoming lines.
    void accountList(const AccountTable& accounts);

    void eventLine(float age, std::string_view label, int code, float amount);
    void incomingLine(float age, std::string_view accountName, float amount);
    void outgoingLine(float age, std::string_view accountName, float amount);

    // The year's six summary lines of the event file.
    void categoryLines(float age, const YearFlows& flows);

    // Ends every open file with its end marker and closes it; later calls do nothing.
    void finish();
    // "<file>: <cause>" of the first file that could not be created or written whole (told
    // at once when creating, at finish when writing).
    const std::string& failure() const { return m_failure; }
    // After finish: the first file cut short by a failed write.
    const std::string& writeFailure() const { return m_writeFailure; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, FileCloser>;

    std::filesystem::path m_workDir;
    std::string m_failure;
    std::string m_writeFailure;
    File m_events;
    File m_outgoing;
    File m_incoming;
    std::string m_line; // reused for every line
};

} // namespace finplan
