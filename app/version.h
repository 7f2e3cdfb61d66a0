#pragma once

// The version the program shows in its title, status bar, about box and printed cards.
inline constexpr char vantoVersion[] = "2.1.1";
