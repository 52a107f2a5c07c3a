#pragma once
// Names for the cases of value-parameterised tests, so that ctest lists
// "Keys/Typing.ShowsTheKeys/LowerCaseAce" rather than "Keys/Typing.ShowsTheKeys/0". A test
// name takes letters, digits and underscores only.

#include <gtest/gtest.h>

#include <string>

namespace kesto::test {

// Names each case after its `name`:
//   INSTANTIATE_TEST_SUITE_P(Keys, Typing, ::testing::Values(...), CaseName());
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

// A whole number as part of a name: "30", "Minus1".
inline std::string NumberName(long long number) {
    return number < 0 ? "Minus" + std::to_string(-number) : std::to_string(number);
}

}  // namespace kesto::test
