#pragma once
// Work that must not hold back a window's first appearance: run once the event loop is next
// idle after the next paint.
#include <functional>

namespace PrimoDisegno {

// Runs `dopo` once, when the event loop is next idle after the next paint of any window.
void dopo(std::function<void()> dopo);

}  // namespace PrimoDisegno
