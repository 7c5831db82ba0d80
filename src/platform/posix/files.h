#pragma once
// Files the application writes for the operator.

#include <optional>
#include <string>

namespace platform::posix {

// Writes `bytes` as the file `path`, whole or not at all: into a file beside it first, which
// then replaces it. False when the file cannot be written.
bool writeFileReplacing(const std::string& path, const std::string& bytes);

// Creates a new, empty file with a unique name "<prefix>XXXXXX" in `folder`; its path.
std::optional<std::string> makeTempFile(const std::string& folder, const std::string& prefix);

// The folder for temporary files: $TMPDIR, else /tmp.
std::string tempFolder();

}  // namespace platform::posix
