#pragma once
// The dialog class that every window of the application derives from: overridable steps of
// a dialog's life, a message map from control IDs to handlers, and radio-group data exchange.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/dialog_template.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace platform {

inline constexpr int kVkReturn = 13;
inline constexpr int kVkEscape = 27;
inline constexpr unsigned kScClose = 0xF060;

struct KeyMessage {
    int virtualKey;
    int focusId;  // control that has the focus, -1 for none
};

// Exchanges radio groups between a window and integer members. Saving reads the position of
// the checked button within its group (-1 when none is checked); loading checks the button
// at that position and unchecks the others (none for -1 or a position outside the group).
class DataExchange {
  public:
    DataExchange(Window& window, const DialogTemplate& dialogTemplate, bool saving)
        : window_(window), template_(dialogTemplate), saving_(saving) {}
    bool saving() const { return saving_; }
    void radio(int firstId, int& value);

  private:
    Window& window_;
    const DialogTemplate& template_;
    bool saving_;
};

class Dialog {
  public:
    Dialog(Platform& platform, const DialogTemplate& dialogTemplate);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int DoModal() { return platform_.runModal(*this); }
    bool UpdateData(bool saveAndValidate);
    void EndDialog(int result);

    Platform& platform() const { return platform_; }
    const DialogTemplate& dialogTemplate() const { return template_; }
    // The dialog's window; a window that ignores every call while none exists.
    Window& ui() const;
    bool hasWindow() const { return window_ != nullptr; }

    // Entry points for the backends.
    void attach(Window* window);
    void detach();
    bool ended() const { return ended_; }
    int result() const { return result_; }
    void handleClicked(int id);
    void handleKillFocus(int id);
    void handleReleased(int id);
    // A grid row's state changed; `oldState` holds the item states it had before.
    void handleItemChanged(int id, int row, unsigned oldState);
    void handleTimer(unsigned timerId) { OnTimer(timerId); }
    void handleSysCommand(unsigned command) { OnSysCommand(command); }
    // A key press inside the window. Returns true when the dialog took it: pre-translated,
    // Enter (the default button, or the focused push button) or Escape (Cancel). Other keys
    // are left to the backend's own navigation.
    bool handleKeyDown(const KeyMessage& key);
    bool runInitDialog() { return OnInitDialog(); }

  protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange&) {}
    virtual bool PreTranslateMessage(const KeyMessage&) { return false; }
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(unsigned) {}
    virtual void OnSysCommand(unsigned command);

    using Handler = std::function<void(int id)>;
    void onClicked(int first, int last, Handler handler) { add(clicked_, first, last, handler); }
    void onKillFocus(int first, int last, Handler handler) {
        add(killFocus_, first, last, handler);
    }
    void onReleased(int first, int last, Handler handler) { add(released_, first, last, handler); }
    using ItemHandler = std::function<void(int id, int row, unsigned oldState)>;
    void onItemChanged(int first, int last, ItemHandler handler) {
        itemChanged_[first] = ItemRange{last, std::move(handler)};
    }

  private:
    struct Range {
        int last;
        Handler handler;
    };
    using Map = std::map<int, Range>;  // keyed by the first ID of the range
    static void add(Map& map, int first, int last, Handler handler);
    static bool route(const Map& map, int id);

    Platform& platform_;
    const DialogTemplate& template_;
    Window* window_ = nullptr;
    bool ended_ = false;
    int result_ = 0;
    Map clicked_;
    Map killFocus_;
    Map released_;
    struct ItemRange {
        int last;
        ItemHandler handler;
    };
    std::map<int, ItemRange> itemChanged_;
};

}  // namespace platform
