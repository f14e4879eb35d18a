#pragma once

namespace selvane {

// Registers the pictures built into the program (a static library's resources are not
// registered by themselves). Safe to call more than once.
void InitResources();

} // namespace selvane
