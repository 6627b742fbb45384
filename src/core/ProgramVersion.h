#pragma once

// The version the window's caption shows and tavelin-cli --version prints: the build's project
// version, which also names the Debian package, so the three cannot drift apart.
inline constexpr char kProgramVersion[] = TAVELIN_VERSION;
