// The program entry. The command line is decided first and runs with Qt's core alone; the
// window lives in a module loaded only when the window opens, so a status bar or a cron job
// starting the program never loads the window system's libraries (a start then costs less than
// half the time).
#include "app/command_line.h"

#ifdef VZ_WINDOW_MODULE_RELATIVE
#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#else
extern "C" int vorurerWindowMain(int argc, char** argv);
#endif

namespace {

#ifdef VZ_WINDOW_MODULE_RELATIVE

constexpr char WindowModule[] = "vorurer_window.so";
constexpr char WindowEntry[] = "vorurerWindowMain";

std::string programFolder() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    const std::string program(path.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const auto slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

int runWindow(int argc, char** argv) {
    // Full paths only: a bare name would be searched for in the library path as well.
    const std::string folder = programFolder();
    const std::string candidates[] = {
        folder + '/' + WindowModule,
        folder + '/' + VZ_WINDOW_MODULE_RELATIVE + '/' + WindowModule,
        std::string(VZ_WINDOW_MODULE_BUILT) + '/' + WindowModule,
    };
    for (const std::string& path : candidates) {
        if (folder.empty() || access(path.c_str(), F_OK) != 0)
            continue;
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* entry = module ? dlsym(module, WindowEntry) : nullptr;
        if (!entry) {
            std::fprintf(stderr, "vorurer: cannot load the window: %s\n", dlerror());
            return 1;
        }
        return reinterpret_cast<int (*)(int, char**)>(entry)(argc, argv);
    }
    std::fprintf(stderr, "vorurer: cannot find the window's module %s beside the program\n",
                 WindowModule);
    return 1;
}

#else

// Where modules are not loaded this way, the window is linked into the program.
int runWindow(int argc, char** argv) {
    return vorurerWindowMain(argc, argv);
}

#endif

} // namespace

int main(int argc, char** argv) {
    if (!vz::commandLineAsksForWindow(argc, argv))
        return vz::runCommandLine(argc, argv);
    return runWindow(argc, argv);
}
