#pragma once

#include <vector>

namespace cw {

// The rows of column B that the report export writes, in the order it writes them.
std::vector<int> reportRows();

}  // namespace cw
