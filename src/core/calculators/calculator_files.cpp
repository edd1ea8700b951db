#include "calculators/calculator_files.h"

#include "model/file_io.h"

#include <string>

namespace finplan {

bool writeCalculatorFile(const std::filesystem::path& workDir, const CalculatorFile& file,
                         std::string_view bytes, UserDialogs& dialogs) {
    if (writeFileReplacing(workDir / file.name, bytes)) {
        return true;
    }
    dialogs.error(std::string(file.failureText), std::string(file.failureTitle));
    return false;
}

} // namespace finplan
