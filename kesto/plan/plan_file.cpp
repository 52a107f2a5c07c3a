#include "kesto/plan/plan_file.h"

#include <utility>

#include "kesto/plan/number_text.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/text_encoding.h"

namespace kesto {

StatusOr<std::string> ReadPlanFile(const std::string& fileName) {
    StatusOr<std::string> file = ReadRegularFile(fileName, kMaxPlanFileBytes);
    if (!file.status.Ok()) {
        if (file.status.IsBroken()) {
            return {{},
                    file.status.WithReason(fileName +
                                           " is too big for a plan file: a plan file holds at "
                                           "most " +
                                           GroupedNumber(kMaxPlanFileBytes) + " bytes.")};
        }
        // The reader's words as a sentence.
        std::string reason = file.status.Reason();
        if (reason.starts_with("cannot ")) {
            reason[0] = 'C';
        }
        return {{}, file.status.WithReason(reason + ".")};
    }
    if (LooksLikeUtf16(file.value)) {
        return {{},
                Status::Failure("The file is saved as UTF-16 text; Kesto reads plan files saved "
                                "as ANSI (Windows-1252) or UTF-8.")};
    }
    return {FileTextAsWindows1252(file.value), {}};
}

ScriptFileReader ScriptFilesIn(std::string folder) {
    return [folder = std::move(folder)](const std::string& fileName) {
        return ReadPlanFile(fileName.starts_with('/') ? fileName : folder + fileName);
    };
}

}  // namespace kesto
