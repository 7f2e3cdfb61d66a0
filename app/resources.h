#pragma once

// Registers the compiled-in pictures (icons, flags, wind rose and sock, load icons). They are
// linked into a static library, so whoever needs them calls this once; calling it again is
// harmless.
void initVantoResources();
