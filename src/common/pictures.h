// The pictures that more than one window shows, embedded with the resource system.
#pragma once

namespace pictures {
// The program's icon, carried by every window; the About window also shows it.
constexpr const char* kProgramIcon = ":/common/pictures/tarnok.ico";
// A thin black circle: the main window's electron shells and the atom-structure window's.
constexpr const char* kRing = ":/common/pictures/ring.jpg";
}  // namespace pictures
