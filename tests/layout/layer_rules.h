#pragma once
// The arrows of the layout: which folder's sources may include which.

#include <optional>
#include <string>
#include <string_view>

// The folders whose sources keep the arrows; tests/, bench/ and fuzz/ may include anything.
inline constexpr std::string_view LayeredFolders[] = {
    "app",           "engine",      "platform",           "runtime",
    "resources",     "calculators", "periodic_table",     "solution_chemistry",
    "thermo_electrochemistry",     "chemicals_database", "spectroscopy"};

// What is wrong with `included` as an include of `file` (both paths from the project's root):
// the arrow of the layout it goes against, a bare file name or a relative path; nothing when the
// include keeps the layout.
std::optional<std::string> IncludeFault(std::string_view file, std::string_view included);
