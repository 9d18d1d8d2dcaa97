#pragma once
// The window way of the dictionary lookup under X11: a top-level window found by its
// exact title gets a client message carrying a command number, as a Windows program got a
// menu command. The message has the type atom "_TESSARAN_MENU_COMMAND", format 32, the
// command number in its first field and the sender's window (or 0) in its second; a
// dictionary program that watches the clipboard needs nothing but the word put there
// first.
//
// It talks to the X server named by DISPLAY over a connection of its own, so it works
// whatever platform Qt itself runs on; without a display, or in a build without xcb, no
// window is ever found.

#include <cstdint>
#include <string>

namespace tessaran {

inline constexpr const char* kX11MenuCommandAtom = "_TESSARAN_MENU_COMMAND";

class X11WindowCommandWindows {
public:
    // Whether the build can reach an X server at all.
    static bool isAvailable();
    // The top-level window titled exactly `title` (its _NET_WM_NAME or WM_NAME): from the
    // desktop's client list when the window manager keeps one, else among the root's
    // children and their children (the frames a window manager wraps clients in). 0 when
    // there is none or no display.
    static std::uint32_t findWindow(const std::string& title);
    // Sends the command message to the window; false when the display cannot be reached.
    // The call returns once the server has handled the message.
    static bool sendCommand(std::uint32_t window, int command, std::uint32_t sender = 0);
};

}  // namespace tessaran
