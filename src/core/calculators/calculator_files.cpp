#include "calculators/calculator_files.h"

#include "model/file_io.h"

#include <string>

namespace finplan {

bool writeCalculatorFile(const std::filesystem::path& workDir, const CalculatorFile& file,
                         std::string_view bytes, UserDialogs& dialogs) {
    // Work files of the program: the user's alone.
    const WriteResult written =
        writeFileReplacing(workDir / file.name, bytes, NewFileMode::OwnerOnly);
    if (!written) {
        dialogs.error(std::string(file.failureText) + "\n" +
                          writeFailureText(workDir / file.name, written),
                      std::string(file.failureTitle));
    }
    return static_cast<bool>(written);
}

} // namespace finplan
