#pragma once
// The program's name, version and maker's home page, as the about window, the home page
// command and the printed footer show them.

namespace selvane {

inline constexpr const char* kProductName = "Selvane";
inline constexpr const char* kProductVersion = "V1.13";
// The maker's home page: opened by the home page command, printed in the page footer.
inline constexpr const char* kHomePage = "https://selvane.example.org/";

} // namespace selvane
