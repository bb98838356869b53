#pragma once

namespace cw::gui {

// The key code the model's key-release handlers receive for a Qt key: Enter is 13, Delete
// 46, letters their capital's code and digits their own, as the window's handlers were
// written for; keys no handler looks at map to the usual virtual-key codes or 0.
int modelKeyCode(int qtKey);

}  // namespace cw::gui
