#include "kesto/files/deal_file.h"

namespace kesto {

Status TooManyBoards(std::string_view kindName, std::size_t boardCount) {
    return Status::Failure(
        "A " + std::string(kindName) + " file holds at most " +
        std::to_string(kDuplimateMaxBoards) + " boards, and there are " +
        std::to_string(boardCount) +
        ". The deals were not saved; an existing file of that name is unchanged.");
}

}  // namespace kesto
