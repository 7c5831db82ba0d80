#pragma once
// The platform a dialog application runs on: modal loops, message boxes, sleeping, the
// module loader. One implementation drives real windows, another runs in memory for tests.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Dialog;
class ModuleLoader;

enum class MessageBoxButtons { Ok, YesNo };

// A file being written for the operator. It is written beside its target and takes the
// target's place only at commit(), whole or not at all; dropped without a commit, it
// leaves the target as it was. After a failure, error() gives the system's reason.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool commit() = 0;
    virtual const std::string& error() const = 0;
};

// Dialog and message-box results, in the platform's numbering.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class Platform {
  public:
    virtual ~Platform() = default;

    // Creates the dialog's window, runs OnInitDialog and a modal loop until EndDialog, then
    // destroys the window. Timers of every window keep firing inside the loop.
    virtual int runModal(Dialog& dialog) = 0;
    // Creates the dialog's window without a loop of its own (a modeless window), owned by
    // `parent` when one is given; it shows at once when its template has the visible style.
    virtual void create(Dialog& dialog, Dialog* parent = nullptr) = 0;
    virtual void destroy(Dialog& dialog) = 0;

    // A modal message box owned by `owner` (nullptr: none), with no icon. Timers keep firing
    // while it is open. Returns IDOK, IDYES or IDNO.
    virtual int messageBox(Dialog* owner, const std::string& text, const std::string& caption,
                           MessageBoxButtons buttons) = 0;

    // Blocks the user interface for `ms` milliseconds; no timer fires meanwhile.
    virtual void sleep(unsigned ms) = 0;

    virtual ModuleLoader& moduleLoader() = 0;

    // --- Files for the operator
    // Lets the operator choose a folder; nothing when cancelled or when the choice has no
    // file-system path.
    virtual std::optional<std::string> browseForFolder(Dialog* owner, const std::string& title) = 0;
    // A new, empty, uniquely named file in the temporary folder, named the prefix, unique
    // characters and the system's temporary-file extension; nothing when none can be made.
    virtual std::optional<std::string> createTempFile(const std::string& prefix) = 0;
    // Starts writing the file `path`; nothing, with the system's reason in `error`, when it
    // cannot be created.
    virtual std::unique_ptr<OutputFile> createFile(const std::string& path, std::string& error) = 0;
    // Opens the file in the desktop's program for its kind.
    virtual void openWithDesktop(const std::string& path) = 0;
};

}  // namespace platform
