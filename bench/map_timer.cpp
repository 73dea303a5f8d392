// Times a program's start by the X server's own word: the milliseconds from just before the
// program is started until its top-level window with a given title is mapped, as a MapNotify
// on the root window tells. Polling for the window instead adds up to a whole poll interval.
// With --picture it also waits for the first drawing in that window, as the DAMAGE extension
// reports it: a window can be mapped well before it shows anything.
//
//     map_timer [--kill] [--picture] [--timeout SECONDS] TITLE -- COMMAND [ARGUMENT...]
//
// Prints "<milliseconds> <pid> <window>" on one line (the window in hexadecimal), with --picture
// followed by the milliseconds to the first picture, and leaves the program running so its costs
// can be measured on, or with --kill ends it and waits for it. The program's own output goes to
// the standard error, so the standard output carries only the measure. Fails (status 1, a message
// on the standard error) when the program exits first or no such window is mapped, or drawn in,
// within the time-out (20 s).
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    bool kill = false;
    bool picture = false;
    double timeoutSeconds = 20;
    std::string title;
    std::vector<char*> command; // ends with a null pointer
};

[[noreturn]] void usage() {
    std::fprintf(stderr,
                 "usage: map_timer [--kill] [--picture] [--timeout SECONDS] TITLE -- COMMAND "
                 "[ARGUMENT...]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0 && argv[i][2] != '\0'; ++i) {
        if (std::strcmp(argv[i], "--kill") == 0) {
            options.kill = true;
        } else if (std::strcmp(argv[i], "--picture") == 0) {
            options.picture = true;
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            char* end = nullptr;
            options.timeoutSeconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(options.timeoutSeconds > 0))
                usage();
        } else {
            usage();
        }
    }
    if (i + 2 >= argc || std::strcmp(argv[i + 1], "--") != 0)
        usage();
    options.title = argv[i];
    for (i += 2; i < argc; ++i)
        options.command.push_back(argv[i]);
    options.command.push_back(nullptr);
    return options;
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> own(T* reply) {
    return Reply<T>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto reply = own(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

class Watcher {
public:
    explicit Watcher(xcb_connection_t* c) : m_c(c) {
        m_netWmName = atom(c, "_NET_WM_NAME");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }

    xcb_window_t root() const { return m_root; }

    std::optional<std::string> title(xcb_window_t window) const {
        for (xcb_atom_t property : {m_netWmName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
            auto reply = own(xcb_get_property_reply(
                m_c, xcb_get_property(m_c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr));
            if (reply && reply->type != XCB_ATOM_NONE && reply->format == 8)
                return std::string(
                    static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        }
        return std::nullopt;
    }

    bool isTitle(xcb_atom_t property) const {
        return property == m_netWmName || property == XCB_ATOM_WM_NAME;
    }

    // The window itself or, where a window manager has put it in a frame, a window inside the
    // frame that carries the title.
    xcb_window_t titled(xcb_window_t window, const std::string& wanted, int depth = 0) const {
        if (title(window) == wanted)
            return window;
        if (depth == 2)
            return XCB_WINDOW_NONE;
        auto tree = own(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr));
        if (!tree)
            return XCB_WINDOW_NONE;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
            if (xcb_window_t found = titled(children[i], wanted, depth + 1))
                return found;
        return XCB_WINDOW_NONE;
    }

private:
    xcb_connection_t* m_c;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE;
    xcb_window_t m_root = XCB_WINDOW_NONE;
};

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(20'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "map_timer: cannot connect to the display\n");
        return 1;
    }
    const int fd = xcb_get_file_descriptor(c);
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
    Watcher watcher(c);
    const xcb_query_extension_reply_t* damage = nullptr;
    if (options.picture) {
        damage = xcb_get_extension_data(c, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fprintf(stderr, "map_timer: the display has no DAMAGE extension for --picture\n");
            return 1;
        }
        std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    }
    // Every window created, mapped or reparented at the top level is reported to us; the
    // round trip makes sure the server has taken the selection before the program starts.
    const uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, watcher.root(), XCB_CW_EVENT_MASK, &rootEvents);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned =
        posix_spawnp(&pid, options.command[0], &actions, nullptr, options.command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "map_timer: cannot start %s: %s\n", options.command[0],
                     std::strerror(spawned));
        return 1;
    }

    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(options.timeoutSeconds));
    const uint32_t windowEvents = XCB_EVENT_MASK_PROPERTY_CHANGE;
    // Top-level windows mapped under another title or none: one may take the title later.
    std::set<xcb_window_t> mappedOthers;
    xcb_window_t found = XCB_WINDOW_NONE;
    Clock::time_point seen;
    // The first drawing in each window made since the start, and in the one found.
    std::map<xcb_window_t, Clock::time_point> firstDrawn;
    std::optional<Clock::time_point> pictured;
    const auto waiting = [&] {
        return found == XCB_WINDOW_NONE || (options.picture && !pictured);
    };
    while (waiting()) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c)) {
                std::fprintf(stderr, "map_timer: the display connection broke\n");
                endChild(pid);
                return 1;
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr,
                             "map_timer: %s ended (status %d) before a window titled \"%s\" "
                             "was %s\n",
                             options.command[0],
                             WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                             options.title.c_str(), found ? "drawn in" : "mapped");
                return 1;
            }
            if (Clock::now() >= deadline) {
                std::fprintf(stderr, "map_timer: no window titled \"%s\" was %s within %g s\n",
                             options.title.c_str(), found ? "drawn in" : "mapped",
                             options.timeoutSeconds);
                endChild(pid);
                return 1;
            }
            // X events wake the wait at once; the short time-out only notices the program's end.
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, 20);
            continue;
        }
        const Clock::time_point now = Clock::now();
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            // A title set only after the map is noticed through the property's change.
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &windowEvents);
            // Watched for drawing from its creation on, so the first drawing cannot be missed.
            if (options.picture)
                xcb_damage_create(c, xcb_generate_id(c), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            // Sent at once: the program goes on making its window meanwhile.
            xcb_flush(c);
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (found || mapped->event != watcher.root() || mapped->override_redirect)
                break;
            found = watcher.titled(mapped->window, options.title);
            if (found)
                seen = now;
            else
                mappedOthers.insert(mapped->window);
            break;
        }
        case XCB_UNMAP_NOTIFY:
            mappedOthers.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (!found && watcher.isTitle(changed->atom) && mappedOthers.count(changed->window) &&
                watcher.title(changed->window) == options.title) {
                found = changed->window;
                seen = now;
            }
            break;
        }
        default:
            if (damage && (event->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY)
                firstDrawn.try_emplace(
                    reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable, now);
            break;
        }
        std::free(event);
        // Nothing drawn shows before the map.
        if (const auto drawn = firstDrawn.find(found); found && drawn != firstDrawn.end())
            pictured = std::max(drawn->second, seen);
    }

    const auto since = [start](Clock::time_point then) {
        return std::chrono::duration<double, std::milli>(then - start).count();
    };
    std::printf("%.1f %d 0x%x", since(seen), static_cast<int>(pid), found);
    if (pictured)
        std::printf(" %.1f", since(*pictured));
    std::printf("\n");
    std::fflush(stdout);
    xcb_disconnect(c);
    if (options.kill)
        endChild(pid);
    return 0;
}
