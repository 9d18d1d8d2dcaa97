#pragma once
// The tool bar's and the programs' icons are compiled into the static windowing library;
// a static library's resources must be registered once before the first use.

namespace tessaran {

// Registers the icons under ":/icons/". Safe to call more than once.
void initResourcesWindows();

}  // namespace tessaran
