#pragma once

// The version the program shows in its title, status bar, about box and printed cards.
inline constexpr char vantoVersion[] = "2.1.1";

// Where the program points its users for more: it has no web site yet, so the about box and the
// printed cards name the user manual shipped beside the executable.
inline constexpr char vantoHomeText[] = "Vanto user manual (doc/vanto_UserManual_en.pdf)";
