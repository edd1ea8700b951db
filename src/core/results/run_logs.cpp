#include "results/run_logs.h"

#include "model/file_io.h"
#include "model/text_field.h"
#include "results/fixed_text.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace finplan {

namespace {

constexpr int kIncomingCode = 2;
constexpr int kOutgoingCode = 6;

// "w" rather than "wt": the readers expect bare newlines on every platform.
std::FILE* createLog(const std::filesystem::path& workDir, const char* fileName,
                     const char* reportedName, UserDialogs& dialogs, std::string& failure) {
    std::FILE* file = openWorkFileForWriting(workDir / fileName);
    if (file == nullptr) {
        const std::string cause = (workDir / fileName).string() + ": " + std::strerror(errno);
        dialogs.error(std::string("Cannot open temporary print file -- ") + reportedName + "\n" +
                          cause,
                      "FILE ERROR");
        if (failure.empty()) {
            failure = cause;
        }
    }
    return file;
}

// "%.*s" prints a string_view exactly as "%s" prints the same NUL-free text.
int textLength(std::string_view text) {
    return static_cast<int>(text.size());
}

// "%5.1f\t%s\t" (and "%d\t" with a code) "%13.2f\n", built without printf's cost in a
// buffer that lives as long as the logs: a run writes thousands of these lines.
void writeLogLine(std::FILE* file, std::string& line, float age, std::string_view text,
                  const int* code, float amount) {
    if (file == nullptr) {
        return;
    }
    line.clear();
    appendFixed(line, age, 1, 5);
    line += '\t';
    line += text;
    line += '\t';
    if (code != nullptr) {
        line += std::to_string(*code);
        line += '\t';
    }
    appendFixed(line, amount, 2, 13);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), file);
}

void accountLine(std::FILE* file, std::string& line, float age, std::string_view accountName,
                 float amount) {
    writeLogLine(file, line, age, accountName, nullptr, amount);
}

} // namespace

RunLogs::RunLogs(const std::filesystem::path& workDir, UserDialogs& dialogs)
    : m_workDir(workDir)
    , m_events(createLog(workDir, "bigfile.tmp", "bigfile.tmp", dialogs, m_failure))
    // The message has always named the outgoing file "iofile.tmp".
    , m_outgoing(createLog(workDir, "outfile.tmp", "iofile.tmp", dialogs, m_failure))
    , m_incoming(createLog(workDir, "infile.tmp", "infile.tmp", dialogs, m_failure)) {}

RunLogs::~RunLogs() {
    finish();
}

void RunLogs::accountList(const AccountTable& accounts) {
    if (!m_incoming) {
        return;
    }
    const int count = accounts.usedCount();
    std::fprintf(m_incoming.get(), "%d\n", count);
    for (int i = 0; i < count; ++i) {
        const std::string_view name =
            fieldText(accounts.accounts[static_cast<std::size_t>(i)].name);
        std::fprintf(m_incoming.get(), "%.*s\n", textLength(name), name.data());
    }
}

void RunLogs::eventLine(float age, std::string_view label, int code, float amount) {
    writeLogLine(m_events.get(), m_line, age, label, &code, amount);
}

void RunLogs::incomingLine(float age, std::string_view accountName, float amount) {
    accountLine(m_incoming.get(), m_line, age, accountName, amount);
}

void RunLogs::outgoingLine(float age, std::string_view accountName, float amount) {
    accountLine(m_outgoing.get(), m_line, age, accountName, amount);
}

void RunLogs::categoryLines(float age, const YearFlows& flows) {
    eventLine(age, "Interest Earned", kIncomingCode, flows.taxableIncome + flows.nonTaxableIncome);
    eventLine(age, "Equity", kIncomingCode, flows.sales);
    eventLine(age, "Appreciation", kIncomingCode, flows.appreciation);
    eventLine(age, "Taxes", kOutgoingCode, flows.taxes);
    eventLine(age, "Interest Paid", kOutgoingCode, flows.interestPaid);
    eventLine(age, "Penalties", kOutgoingCode, flows.penalties);
}

void RunLogs::finish() {
    const std::pair<File*, const char*> files[] = {
        {&m_events, "bigfile.tmp"}, {&m_incoming, "infile.tmp"}, {&m_outgoing, "outfile.tmp"}};
    for (const auto& [file, name] : files) {
        if (!*file) {
            continue;
        }
        std::FILE* open = file->release();
        std::fputs("Dooone\n", open);
        // A full disk shows only here: every write is buffered until the close.
        const bool failed = std::ferror(open) != 0;
        if (std::fclose(open) != 0 || failed) {
            if (m_writeFailure.empty()) {
                m_writeFailure =
                    (m_workDir / name).string() + ": " + std::strerror(errno != 0 ? errno : EIO);
            }
            if (m_failure.empty()) {
                m_failure = m_writeFailure;
            }
        }
    }
}

} // namespace finplan
