// Sends events to the simulated ZQ700 units of a running ZQ Control Panel.

#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "sim/model/event.h"

namespace {

void usage(std::FILE* to) {
    std::fprintf(
        to,
        "Usage: zq700-sim-event [--socket PATH] EVENT [EVENT...]\n"
        "       zq700-sim-event [--socket PATH] -      (events from standard input, one a line)\n"
        "\n"
        "Sends events to the simulated ZQ700 units of a running ZQ Control Panel: lock a\n"
        "unit's door, raise a head error, pull the SD card, unplug a unit.\n"
        "The simulated library prints its socket when it starts; without --socket the\n"
        "tool takes the one zq700-sim-*.sock in $XDG_RUNTIME_DIR (or /tmp).\n"
        "Quote each event when you give several; one event may also be given as words.\n"
        "\n"
        "Events:\n%s\n"
        "Examples:\n"
        "  zq700-sim-event door-lock 0\n"
        "  zq700-sim-event \"head-error 0 2 short-circuit\" \"card-out 0\"\n",
        sim::eventSyntax());
}

int connectTo(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// The socket of the one running program; sockets that no program answers any more (left by
// a program that was killed) do not count.
std::string findSocket(std::string& error) {
    const char* env = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = env && *env ? env : "/tmp";
    std::vector<std::string> found;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind("zq700-sim-", 0) != 0 || name.size() < 5 ||
                name.compare(name.size() - 5, 5, ".sock") != 0)
                continue;
            if (const int fd = connectTo(folder + "/" + name); fd >= 0) {
                ::close(fd);
                found.push_back(folder + "/" + name);
            }
        }
        ::closedir(dir);
    }
    if (found.size() == 1) return found[0];
    error = found.empty() ? "no simulated units are running (no zq700-sim-*.sock in " + folder + ")"
                          : "several simulated units are running; choose one with --socket";
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    std::string socketPath;
    std::vector<std::string> words;
    bool fromInput = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (arg == "--socket") {
            if (++i == argc) {
                usage(stderr);
                return 2;
            }
            socketPath = argv[i];
        } else if (arg == "-") {
            fromInput = true;
        } else {
            words.push_back(arg);
        }
    }
    std::vector<std::string> events;
    bool spaced = false;
    for (const auto& w : words) spaced = spaced || w.find(' ') != std::string::npos;
    if (spaced) {
        events = words;
    } else if (!words.empty()) {
        std::string joined;
        for (const auto& w : words) joined += (joined.empty() ? "" : " ") + w;
        events.push_back(joined);
    }
    if (fromInput)
        for (std::string line; std::getline(std::cin, line);)
            if (!line.empty()) events.push_back(line);
    if (events.empty()) {
        usage(stderr);
        return 2;
    }
    for (const auto& e : events) {
        std::string why;
        if (!sim::parseEvent(e, why)) {
            std::fprintf(stderr, "zq700-sim-event: \"%s\": %s\n", e.c_str(), why.c_str());
            return 2;
        }
    }

    std::string error;
    if (socketPath.empty()) socketPath = findSocket(error);
    if (socketPath.empty()) {
        std::fprintf(stderr, "zq700-sim-event: %s\n", error.c_str());
        return 1;
    }
    const int fd = connectTo(socketPath);
    if (fd < 0) {
        std::fprintf(stderr, "zq700-sim-event: cannot reach %s: %s\n", socketPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    int status = 0;
    FILE* replies = ::fdopen(::dup(fd), "r");
    for (const auto& e : events) {
        const std::string line = e + "\n";
        if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) < 0) {
            std::fprintf(stderr, "zq700-sim-event: the connection broke\n");
            status = 1;
            break;
        }
        char reply[1100];
        if (!replies || !std::fgets(reply, sizeof reply, replies)) {
            std::fprintf(stderr, "zq700-sim-event: no answer to \"%s\"\n", e.c_str());
            status = 1;
            break;
        }
        if (std::strncmp(reply, "ok", 2) != 0) {
            std::fprintf(stderr, "zq700-sim-event: \"%s\": %s", e.c_str(), reply);
            status = 1;
        }
    }
    if (replies) std::fclose(replies);
    ::close(fd);
    return status;
}
