// The program-wide pictures, embedded with the resource system.
#pragma once

namespace pictures {
constexpr const char* kProgramIcon = ":/main_window/pictures/tarnok.ico";
constexpr const char* kRing = ":/main_window/pictures/ring.jpg";
constexpr const char* kElectron = ":/main_window/pictures/electron.jpg";
constexpr const char* kNucleus = ":/main_window/pictures/nucleus.jpg";
}  // namespace pictures
