#include "sim/library/event_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sim {

namespace {
constexpr std::size_t kLongestLine = 1024;
constexpr int kClientTimeoutMs = 2000;
}  // namespace

EventServer::EventServer(std::string path, Handler handler)
    : path_(std::move(path)), handler_(std::move(handler)) {}

EventServer::~EventServer() {
    if (thread_.joinable()) {
        const char stop = 'x';
        [[maybe_unused]] auto n = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    for (int fd : {listener_, wake_[0], wake_[1]})
        if (fd >= 0) ::close(fd);
    if (listener_ >= 0) ::unlink(path_.c_str());
}

bool EventServer::start(std::string& error) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path_.size() >= sizeof address.sun_path) {
        error = "socket path too long: " + path_;
        return false;
    }
    std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        error = std::string("cannot make a socket: ") + std::strerror(errno);
        return false;
    }
    ::unlink(path_.c_str());  // left behind by a program that did not end cleanly
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0) {
        error = "cannot listen on " + path_ + ": " + std::strerror(errno);
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void EventServer::run() {
    for (;;) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (fds[0].revents & POLLIN) {
            const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                serve(client);
                ::close(client);
            }
        }
    }
}

void EventServer::serve(int client) {
    std::string pending;
    char buffer[256];
    for (;;) {
        pollfd fds[2] = {{client, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, kClientTimeoutMs) <= 0 || fds[1].revents) return;
        const ssize_t n = ::read(client, buffer, sizeof buffer);
        if (n <= 0) return;
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::string why = handler_(line);
            const std::string reply = why.empty() ? "ok\n" : "error: " + why + "\n";
            if (::send(client, reply.data(), reply.size(), MSG_NOSIGNAL) < 0) return;
        }
        if (pending.size() > kLongestLine) return;
    }
}

}  // namespace sim
