#include "platform/x11_activation.h"

#include "platform/startup_id.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace vz {

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    const xcb_window_t root = g ? g->root : xcb_window_t{XCB_WINDOW_NONE};
    std::free(g);
    return root;
}

void sendToRoot(xcb_connection_t* c, xcb_window_t root, std::uint32_t mask,
                const xcb_client_message_event_t& message) {
    // xcb_send_event copies a full 32-byte event.
    char event[32] = {};
    std::memcpy(event, &message, sizeof message);
    xcb_send_event(c, 0, root, mask, event);
}

} // namespace

bool activateForStartup(QWindow* window, const QByteArray& startupId) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    const std::optional<std::uint32_t> time = startupIdTime(startupId.toStdString());
    if (!c || !window || !window->handle() || !time)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return false;

    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_STARTUP_ID"),
                        atom(c, "UTF8_STRING"), 8, static_cast<std::uint32_t>(startupId.size()),
                        startupId.constData());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_USER_TIME"),
                        XCB_ATOM_CARDINAL, 32, 1, &*time);

    xcb_client_message_event_t activate{};
    activate.response_type = XCB_CLIENT_MESSAGE;
    activate.format = 32;
    activate.window = id;
    activate.type = atom(c, "_NET_ACTIVE_WINDOW");
    activate.data.data32[0] = 1; // from an application
    activate.data.data32[1] = *time;
    activate.data.data32[2] = XCB_WINDOW_NONE;
    sendToRoot(c, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
               activate);

    // The launcher's busy cursor and the manager's record of the start end here.
    const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
    bool first = true;
    for (const std::string& piece :
         startupMessagePieces(startupRemoveMessage(startupId.toStdString()))) {
        xcb_client_message_event_t info{};
        info.response_type = XCB_CLIENT_MESSAGE;
        info.format = 8;
        info.window = id;
        info.type = first ? begin : more;
        std::memcpy(info.data.data8, piece.data(), piece.size());
        sendToRoot(c, root, XCB_EVENT_MASK_PROPERTY_CHANGE, info);
        first = false;
    }
    xcb_flush(c);
    return true;
}

} // namespace vz
