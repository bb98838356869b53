#pragma once

#include "bay/fields.h"

#include <optional>
#include <string>

namespace cw {

// Why a run or a button was refused: the message, and the field it names, which takes the
// focus in the window.
struct Refusal {
    std::string message;
    std::optional<Field> field;
};

}  // namespace cw
