#pragma once

#include "platform/user_dialogs.h"

#include <filesystem>
#include <string_view>

namespace finplan {

// A file a calculator writes in the work directory, with the message shown when it cannot be
// written.
struct CalculatorFile {
    std::string_view name;
    std::string_view failureTitle;
    std::string_view failureText;
};

inline constexpr CalculatorFile kScheduleFile{"psched.tmp", "FILE OPEN ERROR",
                                              "Cannot open temporary print file - psched.tmp"};
inline constexpr CalculatorFile kRefinanceReport{"refprt.tmp", "FILE ERROR",
                                                 "Cannot open refprt.tmp for writing!"};
inline constexpr CalculatorFile kRefinanceGraph{"ref.tmp", "FILE ERROR",
                                                "Cannot open ref.tmp for writing!"};
inline constexpr CalculatorFile kTradePlot{"trade.tmp", "FILE ERROR",
                                           "Cannot open trad.tmp for writing!"};
inline constexpr CalculatorFile kTradeInfo{"tradeinf.dat", "FILE ERROR",
                                           "Cannot open tradeinf.dat for writing!"};

// Replaces the file in the work directory with `bytes` through the safe writer; when that
// fails the file's message is shown and the answer is false.
bool writeCalculatorFile(const std::filesystem::path& workDir, const CalculatorFile& file,
                         std::string_view bytes, UserDialogs& dialogs);

} // namespace finplan
