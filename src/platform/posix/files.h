#pragma once
// Files the application writes for the operator.

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform::posix {

// The file `path` written into a file beside it, which replaces it at commit. A file that
// is replaced keeps its permissions; a new one gets the usual mode for new files.
std::unique_ptr<OutputFile> createReplacingFile(const std::string& path, std::string& error);

// Creates a new, empty file with a unique name "<prefix>XXXXXX.TMP" in `folder`; its path.
std::optional<std::string> makeTempFile(const std::string& folder, const std::string& prefix);

// The folder for temporary files: $TMPDIR, else /tmp.
std::string tempFolder();

}  // namespace platform::posix
