#include "app/X11WindowCommandWindows.h"

#ifdef TESSARAN_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#endif

namespace tessaran {

#ifdef TESSARAN_HAVE_XCB
namespace {

struct ConnectionCloser {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

struct Display {
    Connection connection;
    xcb_window_t root = 0;
};

std::optional<Display> openDisplay() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return std::nullopt;
    int screenNumber = 0;
    Connection connection(xcb_connect(name, &screenNumber));
    if (!connection || xcb_connection_has_error(connection.get()))
        return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return std::nullopt;
    Display display;
    display.root = screens.data->root;
    display.connection = std::move(connection);
    return display;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name, bool onlyIfExists) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, onlyIfExists, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// A property's bytes, or nothing when the window lacks it.
std::optional<std::string> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type) {
    if (name == XCB_ATOM_NONE)
        return std::nullopt;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<std::string> value;
    if (reply->type != XCB_ATOM_NONE && reply->format == 8) {
        const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply));
        value = std::string(bytes, static_cast<size_t>(xcb_get_property_value_length(reply)));
    }
    std::free(reply);
    return value;
}

std::vector<xcb_window_t> windowList(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name) {
    std::vector<xcb_window_t> windows;
    if (name == XCB_ATOM_NONE)
        return windows;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, name, XCB_ATOM_WINDOW, 0, 65536), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_WINDOW) {
        const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
        windows.assign(ids, ids + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return windows;
}

std::vector<xcb_window_t> children(xcb_connection_t* c, xcb_window_t window) {
    std::vector<xcb_window_t> windows;
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    if (reply) {
        const xcb_window_t* ids = xcb_query_tree_children(reply);
        windows.assign(ids, ids + xcb_query_tree_children_length(reply));
    }
    std::free(reply);
    return windows;
}

class TitleMatcher {
public:
    TitleMatcher(xcb_connection_t* c, const std::string& title)
        : m_c(c),
          m_title(title),
          m_netName(atom(c, "_NET_WM_NAME", true)),
          m_utf8(atom(c, "UTF8_STRING", true)) {}

    bool matches(xcb_window_t window) const {
        if (m_utf8 != XCB_ATOM_NONE) {
            if (const auto name = property(m_c, window, m_netName, m_utf8))
                return *name == m_title;
        }
        const auto name = property(m_c, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
        return name && *name == m_title;
    }

private:
    xcb_connection_t* m_c;
    const std::string& m_title;
    xcb_atom_t m_netName;
    xcb_atom_t m_utf8;
};

}  // namespace

bool X11WindowCommandWindows::isAvailable() {
    return openDisplay().has_value();
}

std::uint32_t X11WindowCommandWindows::findWindow(const std::string& title) {
    if (title.empty())
        return 0;
    const std::optional<Display> display = openDisplay();
    if (!display)
        return 0;
    xcb_connection_t* c = display->connection.get();
    const TitleMatcher matcher(c, title);
    for (const xcb_window_t window :
         windowList(c, display->root, atom(c, "_NET_CLIENT_LIST", true)))
        if (matcher.matches(window))
            return window;
    for (const xcb_window_t top : children(c, display->root)) {
        if (matcher.matches(top))
            return top;
        for (const xcb_window_t inner : children(c, top))
            if (matcher.matches(inner))
                return inner;
    }
    return 0;
}

bool X11WindowCommandWindows::sendCommand(std::uint32_t window, int command, std::uint32_t sender) {
    const std::optional<Display> display = openDisplay();
    if (!display || window == 0)
        return false;
    xcb_connection_t* c = display->connection.get();
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, kX11MenuCommandAtom, false);
    event.data.data32[0] = static_cast<std::uint32_t>(command);
    event.data.data32[1] = sender;
    xcb_void_cookie_t sent = xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                    reinterpret_cast<const char*>(&event));
    // Waiting for the check makes the send synchronous: the server has delivered it.
    xcb_generic_error_t* error = xcb_request_check(c, sent);
    const bool ok = error == nullptr;
    std::free(error);
    return ok;
}

#else

bool X11WindowCommandWindows::isAvailable() {
    return false;
}

std::uint32_t X11WindowCommandWindows::findWindow(const std::string&) {
    return 0;
}

bool X11WindowCommandWindows::sendCommand(std::uint32_t, int, std::uint32_t) {
    return false;
}

#endif

}  // namespace tessaran
