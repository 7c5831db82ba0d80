#pragma once
// A local socket on which the simulated units take events, one line each, from the event
// tool. Each line is answered with "ok" or "error: why". Runs on a thread of its own; the
// handler must do its own locking.

#include <functional>
#include <string>
#include <thread>

namespace sim {

class EventServer {
  public:
    using Handler = std::function<std::string(const std::string& line)>;  // "" means ok
    EventServer(std::string path, Handler handler);
    ~EventServer();
    EventServer(const EventServer&) = delete;
    EventServer& operator=(const EventServer&) = delete;

    bool start(std::string& error);
    const std::string& path() const { return path_; }

  private:
    void run();
    void serve(int client);

    std::string path_;
    Handler handler_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::thread thread_;
};

}  // namespace sim
