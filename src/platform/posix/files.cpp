#include "platform/posix/files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform::posix {

namespace {

// The mode a newly created file gets (mkstemp makes its files private).
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string reason(int error) {
    return std::strerror(error);
}

class ReplacingFile final : public OutputFile {
  public:
    ReplacingFile(std::string target, std::string beside, int fd)
        : target_(std::move(target)), beside_(std::move(beside)), fd_(fd) {}
    ~ReplacingFile() override {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(beside_.c_str());
    }

    bool write(std::string_view bytes) override {
        if (fd_ < 0) return false;
        pending_.append(bytes);
        return pending_.size() < kFlushSize || flush();
    }

    bool commit() override {
        if (fd_ < 0 || committed_ || !flush()) return false;
        bool ok = true;
        if (::fsync(fd_) != 0) ok = failed(errno);
        // A file system that keeps no modes (FAT, some network shares) refuses the change:
        // the file is written all the same.
        struct stat existing {};
        ::fchmod(fd_, ::stat(target_.c_str(), &existing) == 0 ? existing.st_mode & 07777
                                                              : newFileMode());
        if (::close(fd_) != 0 && ok) ok = failed(errno);
        fd_ = -1;
        if (ok && std::rename(beside_.c_str(), target_.c_str()) != 0) ok = failed(errno);
        committed_ = ok;
        return ok;
    }

    const std::string& error() const override { return error_; }

  private:
    static constexpr std::size_t kFlushSize = 64 * 1024;

    bool failed(int error) {
        error_ = reason(error);
        return false;
    }
    bool flush() {
        std::size_t done = 0;
        while (done < pending_.size()) {
            const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                const int error = errno;
                ::close(fd_);
                fd_ = -1;
                return failed(error);
            }
            done += static_cast<std::size_t>(n);
        }
        pending_.clear();
        return true;
    }

    std::string target_;
    std::string beside_;
    int fd_;
    bool committed_ = false;
    std::string pending_;
    std::string error_;
};

}  // namespace

std::unique_ptr<OutputFile> createReplacingFile(const std::string& path, std::string& error) {
    if (path.empty()) {
        error = reason(ENOENT);
        return nullptr;
    }
    std::string beside = path + ".partXXXXXX";
    std::vector<char> name(beside.begin(), beside.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        error = reason(errno);
        return nullptr;
    }
    return std::make_unique<ReplacingFile>(path, std::string(name.data()), fd);
}

std::optional<std::string> makeTempFile(const std::string& folder, const std::string& prefix) {
    static constexpr char kExtension[] = ".TMP";
    std::string pattern = folder + "/" + prefix + "XXXXXX" + kExtension;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), sizeof kExtension - 1);
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return std::string(name.data());
}

std::string tempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

}  // namespace platform::posix
