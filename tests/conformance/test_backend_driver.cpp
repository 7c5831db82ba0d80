#include <gtest/gtest.h>

#include "conformance/driver.h"
#include "platform/module_loader.h"
#include "platform/navigation.h"
#include "platform/test/test_platform.h"

namespace conformance {
namespace {

class NoModules final : public platform::ModuleLoader {
  public:
    std::uint32_t versionInfoSize(const std::string&) override { return 0; }
    std::vector<std::uint8_t> versionInfo(const std::string&, std::uint32_t) override { return {}; }
    std::span<const std::uint8_t> rootBlock(const std::vector<std::uint8_t>&) override {
        return {};
    }
    platform::ModuleHandle load(const std::string&, long& error) override {
        error = platform::kErrorModNotFound;
        return nullptr;
    }
    void* symbol(platform::ModuleHandle, const char*) override { return nullptr; }
    void unload(platform::ModuleHandle) override {}
};

class TestBackendDriver final : public Driver {
  public:
    platform::Platform& platform() override { return platform_; }
    void open(platform::Dialog& d) override { platform_.create(d); }
    void click(platform::Dialog& d, int id) override { w(d).click(id); }
    void typeInto(platform::Dialog& d, int id, const std::string& text) override {
        w(d).type(id, text);
    }
    void clickInto(platform::Dialog& d, int id) override { w(d).moveFocus(id); }
    void pressKey(platform::Dialog& d, int key, bool shift) override { w(d).pressKey(key, shift); }
    void switchAwayAndBack(platform::Dialog& d) override { w(d).switchAwayAndBack(); }
    void pressCloseBox(platform::Dialog& d) override { w(d).pressCloseBox(); }
    void dragTrackbarToBottom(platform::Dialog& d, int id) override {
        w(d).dragTrackbar(id, w(d).trackbar(id).max);
    }
    void clickTrackbarGrooveBelowThumb(platform::Dialog& d, int id) override {
        w(d).clickTrackbarGroove(id, false);
    }
    void clickCell(platform::Dialog& d, int id, int row, int column) override {
        w(d).clickCell(id, row, column);
    }
    void editCell(platform::Dialog& d, int id, int row, int column, const std::string& text,
                  EditEnd end) override {
        w(d).editCell(id, row, column, text, end != EditEnd::Escape);
    }
    void pickCellItem(platform::Dialog& d, int id, int row, int column, int item) override {
        w(d).pickCellItem(id, row, column, item);
    }
    void runUntil(const std::function<bool()>& done) override {
        for (int step = 0; step < 100000 && !done(); ++step) platform_.advance(1);
        ASSERT_TRUE(done());
    }
    void processPending() override { platform_.processPending(); }
    void whenBoxOpens(std::function<bool()> closeWhen, int answer) override {
        platform_.answerNextBox([this, closeWhen, answer](const platform::test::MessageBoxRecord&) {
            runUntil(closeWhen);
            return answer;
        });
    }
    void whenDialogOpens(std::function<bool()> closeWhen) override {
        platform_.answerNextDialog([this, closeWhen](platform::test::TestWindow& window) {
            runUntil(closeWhen);
            window.pressKey(platform::kVkEscape);
        });
    }

    // Boxes in memory have no place on a screen: always above.
    bool boxIsAboveEveryWindow() override { return true; }
    bool wrapsLongLines(platform::Dialog& d, int id) override {
        const platform::ControlTemplate* c = d.dialogTemplate().control(id);
        return c && !(c->styles & platform::kAutoHScroll);
    }
    int fontCellHeight(platform::Dialog& d, int id) override { return w(d).font(id).height; }

  private:
    platform::test::TestWindow& w(platform::Dialog& d) { return *platform_.windowOf(d); }
    NoModules loader_;
    platform::test::TestPlatform platform_{loader_};
};

}  // namespace

std::unique_ptr<Driver> makeDriver() {
    return std::make_unique<TestBackendDriver>();
}

}  // namespace conformance
