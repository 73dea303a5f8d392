#include "platform/wayland_activation.h"

#include <wayland-client.h>
#include <xdg-activation-v1-client-protocol.h>

#include <cstring>
#include <string>

namespace vz {

namespace {

struct Asking {
    xdg_activation_v1* activation = nullptr;
    std::string token;
    bool done = false;
};

void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    auto* asking = static_cast<Asking*>(data);
    if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0 && !asking->activation)
        asking->activation = static_cast<xdg_activation_v1*>(
            wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void globalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener RegistryListener = {global, globalRemove};

void done(void* data, xdg_activation_token_v1*, const char* token) {
    auto* asking = static_cast<Asking*>(data);
    asking->token = token ? token : "";
    asking->done = true;
}

const xdg_activation_token_v1_listener TokenListener = {done};

} // namespace

QByteArray compositorActivationToken(const char* appId) {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return {};
    Asking asking;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &asking);
    wl_display_roundtrip(display);
    if (asking.activation) {
        xdg_activation_token_v1* token = xdg_activation_v1_get_activation_token(asking.activation);
        xdg_activation_token_v1_add_listener(token, &TokenListener, &asking);
        xdg_activation_token_v1_set_app_id(token, appId);
        xdg_activation_token_v1_commit(token);
        // The compositor answers at once; a few round trips bound the wait for one that does not.
        for (int i = 0; i < 4 && !asking.done && wl_display_roundtrip(display) != -1; ++i) {
        }
        xdg_activation_token_v1_destroy(token);
        xdg_activation_v1_destroy(asking.activation);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return QByteArray::fromStdString(asking.token);
}

} // namespace vz
