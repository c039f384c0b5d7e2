#pragma once
// The top-level windows of another process on the X display, and closing one as a player does
// with the title bar's close button. Link with X11::xcb.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

class TX11Display
{
public:
    struct TWindow
    {
        xcb_window_t Id;
        std::string Title;
    };

    TX11Display() : connection_(xcb_connect(nullptr, nullptr))
    {
        if (Connected())
            root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
    ~TX11Display() { xcb_disconnect(connection_); }
    TX11Display(const TX11Display &) = delete;
    TX11Display &operator=(const TX11Display &) = delete;

    bool Connected() const { return xcb_connection_has_error(connection_) == 0; }

    // The windows on screen that the process with this id shows.
    std::vector<TWindow> ShownWindowsOf(int64_t pid)
    {
        std::vector<TWindow> windows;
        const auto tree
            = reply(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
        if (!tree)
            return windows;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            const xcb_window_t window = children[i];
            const std::string pidBytes = property(window, atom("_NET_WM_PID"));
            if (pidBytes.size() != 4 || !isShown(window))
                continue;
            uint32_t windowPid = 0;
            std::memcpy(&windowPid, pidBytes.data(), 4);
            if (windowPid == pid)
                windows.push_back({window, property(window, atom("_NET_WM_NAME"))});
        }
        return windows;
    }

    // The window's pixels as 0xRRGGBB, row by row; empty when they cannot be read.
    std::vector<uint32_t> Pixels(xcb_window_t window, int &width, int &height)
    {
        width = height = 0;
        const auto geometry = reply(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
        if (!geometry)
            return {};
        const auto image = reply(xcb_get_image_reply(connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                geometry->height, ~0u),
            nullptr));
        const int length = image ? xcb_get_image_data_length(image.get()) : 0;
        if (length < geometry->width * geometry->height * 4)
            return {};
        width = geometry->width;
        height = geometry->height;
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
        std::memcpy(pixels.data(), xcb_get_image_data(image.get()), pixels.size() * 4);
        for (uint32_t &pixel : pixels)
            pixel &= 0xFFFFFF;
        return pixels;
    }

    // Asks the window's owner to close it (WM_DELETE_WINDOW), as a window manager does.
    void RequestClose(xcb_window_t window)
    {
        xcb_client_message_event_t event {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
            reinterpret_cast<const char *>(&event));
        xcb_flush(connection_);
    }

private:
    template<class T>
    static std::unique_ptr<T, decltype(&std::free)> reply(T *pointer)
    {
        return {pointer, &std::free};
    }

    xcb_atom_t atom(const char *name)
    {
        const auto answer = reply(xcb_intern_atom_reply(connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr));
        return answer ? answer->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::string property(xcb_window_t window, xcb_atom_t name)
    {
        const auto answer = reply(xcb_get_property_reply(connection_,
            xcb_get_property(connection_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
            nullptr));
        if (!answer)
            return {};
        const char *value = static_cast<const char *>(xcb_get_property_value(answer.get()));
        const int length = xcb_get_property_value_length(answer.get());
        return std::string(value, static_cast<std::size_t>(length));
    }

    bool isShown(xcb_window_t window)
    {
        const auto attributes = reply(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr));
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    xcb_connection_t *connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
};
