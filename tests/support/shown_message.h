#pragma once
// A message a scripted view or user interface was asked to show, recorded for the test to
// check.

#include <string>

#include "kesto/platform/ui.h"

namespace kesto::test {

struct ShownMessage {
    MessageKind kind;
    std::string text;
    MessageButtons buttons;
};

}  // namespace kesto::test
