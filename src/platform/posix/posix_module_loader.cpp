#include "platform/posix/posix_module_loader.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/posix/elf_file.h"

namespace platform::posix {

namespace {

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string programFolder() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

PosixModuleLoader::PosixModuleLoader() : searchPath_(standardSearchPath()) {}

std::vector<std::string> PosixModuleLoader::standardSearchPath() {
    std::vector<std::string> path;
    if (std::string own = programFolder(); !own.empty()) path.push_back(own);
    if (const char* env = std::getenv("LD_LIBRARY_PATH")) {
        std::string list = env;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) path.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    for (const char* folder : {
#if defined(__x86_64__)
             "/lib/x86_64-linux-gnu", "/usr/lib/x86_64-linux-gnu",
#elif defined(__aarch64__)
             "/lib/aarch64-linux-gnu", "/usr/lib/aarch64-linux-gnu",
#endif
                 "/lib64", "/usr/lib64", "/lib", "/usr/lib", "/usr/local/lib"
         })
        path.push_back(folder);
    return path;
}

std::string PosixModuleLoader::fileNameFor(const std::string& name) {
    std::string base = name;
    constexpr std::string_view kDll = ".dll";
    if (base.size() > kDll.size() &&
        strcasecmp(base.c_str() + base.size() - kDll.size(), kDll.data()) == 0)
        base.resize(base.size() - kDll.size());
    return "lib" + base + ".so";
}

std::string PosixModuleLoader::resolve(const std::string& name) {
    if (auto it = resolved_.find(name); it != resolved_.end()) return it->second;
    const std::string file = fileNameFor(name);
    std::string found;
    for (const auto& folder : searchPath_) {
        const std::string candidate = folder + "/" + file;
        if (isRegularFile(candidate)) {
            found = candidate;
            break;
        }
    }
    if (!found.empty()) resolved_[name] = found;
    return found;
}

std::uint32_t PosixModuleLoader::versionInfoSize(const std::string& name) {
    const std::string path = resolve(name);
    if (path.empty()) return 0;
    const auto note = readFileVersionNote(path);
    return note ? static_cast<std::uint32_t>(note->size()) : 0;
}

std::vector<std::uint8_t> PosixModuleLoader::versionInfo(const std::string& name,
                                                         std::uint32_t size) {
    const std::string path = resolve(name);
    if (path.empty()) return {};
    auto note = readFileVersionNote(path);
    if (!note) return {};
    if (note->size() > size) note->resize(size);
    return *note;
}

std::span<const std::uint8_t> PosixModuleLoader::rootBlock(const std::vector<std::uint8_t>& info) {
    if (fixedFileInfoWord(info, 0) != kFixedFileInfoSignature) return {};
    return info;
}

ModuleHandle PosixModuleLoader::load(const std::string& name, long& error) {
    const std::string path = resolve(name);
    if (path.empty()) {
        error = kErrorModNotFound;
        return nullptr;
    }
    // glibc reports a library of another processor as "cannot open shared object file",
    // which would read as a missing file: tell the two apart before asking it.
    if (checkElfHeader(path) != ElfFit::Loadable) {
        error = kErrorBadExeFormat;
        return nullptr;
    }
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) return handle;
    const char* message = ::dlerror();
    const std::string why = message ? message : "";
    if (why.find("undefined symbol") != std::string::npos)
        error = kErrorProcNotFound;
    else if (why.find("cannot open shared object file") != std::string::npos)
        error = kErrorModNotFound;
    else
        error = kErrorBadExeFormat;
    return nullptr;
}

void* PosixModuleLoader::symbol(ModuleHandle module, const char* name) {
    if (!module) return nullptr;
    void* address = ::dlsym(module, name);
    if (!address) return nullptr;
    // dlsym also finds names in the libraries the module depends on; binding by name takes
    // only what the module itself exports, as on Windows.
    link_map* own = nullptr;
    if (::dlinfo(module, RTLD_DI_LINKMAP, &own) != 0 || !own) return nullptr;
    Dl_info info{};
    link_map* definer = nullptr;
    if (::dladdr1(address, &info, reinterpret_cast<void**>(&definer), RTLD_DL_LINKMAP) == 0 ||
        definer != own)
        return nullptr;
    return address;
}

void PosixModuleLoader::unload(ModuleHandle module) {
    if (module) ::dlclose(module);
}

}  // namespace platform::posix
