#pragma once
// The platform of the real program: Qt widgets and Qt's event loop.

#include <map>
#include <memory>
#include <vector>

#include "platform/platform.h"

class QWidget;

namespace platform::qt {

class QtWindow;

class QtPlatform final : public Platform {
  public:
    explicit QtPlatform(ModuleLoader& loader);
    ~QtPlatform() override;

    int runModal(Dialog& dialog) override;
    void create(Dialog& dialog, Dialog* parent = nullptr) override;
    void destroy(Dialog& dialog) override;
    int messageBox(Dialog* owner, const std::string& text, const std::string& caption,
                   MessageBoxButtons buttons) override;
    void sleep(unsigned ms) override;
    ModuleLoader& moduleLoader() override { return loader_; }
    std::optional<std::string> browseForFolder(Dialog* owner, const std::string& title) override;
    std::optional<std::string> createTempFile(const std::string& prefix) override;
    std::unique_ptr<OutputFile> createFile(const std::string& path, std::string& error) override;
    void openWithDesktop(const std::string& path) override;

    QtWindow* windowOf(const Dialog& dialog) const;

  private:
    QtWindow* open(Dialog& dialog, QWidget* parent);

    ModuleLoader& loader_;
    std::map<const Dialog*, QtWindow*> windows_;
    std::vector<QtWindow*> modalStack_;
};

// The program's entry: runs the application object on Qt.
int runApplication(int argc, char** argv);

}  // namespace platform::qt
