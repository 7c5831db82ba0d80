#pragma once
// The main panel: owns the device library, the unit list, the connection and every piece of
// run-time state; its handlers live in the folder of their concern.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/unit_status.h"
#include "device/device_library.h"
#include "platform/dialog.h"
#include "platform/icon_image.h"
#include "platform/tool_tip.h"
#include "res/resource.h"

namespace app {

inline constexpr int kUnitSlots = 15;
inline constexpr unsigned kPollTimer = 1;
inline constexpr unsigned kPollPeriodMs = 100;
inline constexpr unsigned kAboutCommand = 16;

template <typename T>
using PerHead = std::array<T, res::kHeads>;

class CZQControlPanelDlg : public platform::Dialog {
  public:
    explicit CZQControlPanelDlg(platform::Platform& platform);
    ~CZQControlPanelDlg() override;

    bool LoadDeviceLibrary();
    void RefreshUnitList();

    // Connection and polling
    void OnConnect();
    void PollUnit();
    void CheckCalibration(int head);  // 1 to 4
    void RefreshTemperature();
    void ShowDoorLock(int locked);

    // Levels and head selection
    void ShowHeadValues(int head);  // 0 to 3
    void OnSliderReleased();
    void OnIntensityKillFocus();
    void OnHeadRadio();

    // Exposure, count mode, on/off
    void OnExposureKillFocus();
    void OnCountMode();
    void OnOnOffButton();
    void ShowOnOffCaptions();

    // Calibration and alarms
    void ShowCalibration();
    void OnCalibrationModeBox(int id);
    void OnClearCalibration(int id);
    void OnClearAlarms();

    // SD-card files
    void OnLogFileRadio();
    void OnSaveFile();
    void OnOpenFile();

    // --- Members, in declaration order
    device::DeviceLibrary library;
    std::uint16_t deviceCount = 0;
    std::array<std::int32_t, kUnitSlots> slotUsed{};
    std::array<std::uint16_t, kUnitSlots> slotDevice{};
    std::array<std::uint16_t, kUnitSlots> slotSerial{};
    const platform::IconImage* icon;
    std::int32_t connected = 0;
    std::uint16_t deviceIndex = 0;
    std::uint16_t softwareVersion = 0;
    UnitStatus status;
    UnitStatus prevStatus;
    PerHead<std::uint16_t> headHours{};
    PerHead<std::uint16_t> calibrationHours{};
    PerHead<std::uint16_t> wavelength{};
    PerHead<std::uint16_t> percentLevel{};
    PerHead<std::uint16_t> exposureTime{};
    PerHead<std::uint16_t> exposureCount{};
    PerHead<std::uint8_t> maxTemperature{};
    PerHead<std::uint8_t> temperature{};
    PerHead<std::uint8_t> minIntensity{};
    PerHead<float> maxPower{};
    PerHead<float> maxIrradiance{};
    PerHead<float> power{};
    PerHead<float> irradiance{};
    std::int32_t selectedHead = -1;
    std::int32_t shownHead = -1;
    std::int32_t temperatureCountdown = 0;
    std::uint8_t countMode = 0;
    std::int32_t countModeChoice = -1;
    std::int32_t logFileChoice = -1;
    std::string downloadedText;
    std::uint16_t tickCounter = 0;
    std::uint8_t unitScreen = 0;
    PerHead<std::uint8_t> calibrating{};
    std::unique_ptr<platform::ToolTip> toolTip;
    // A GetScreen has been made in this connection: only then is `unitScreen` sent back.
    bool unitScreenKnown = false;
    // The first tick of a connection shows the unit's door state, whatever it is.
    bool doorLockPending = false;
    // The DOOR LOCK label's font, one for the panel's life.
    const platform::FontSpec doorLockFont{40, "Arial"};

  protected:
    // The exposure edit's text when its head is not lit: the preset, or "0.0s" in Count Up.
    std::string presetText(int head) const;
    std::string levelText(int head) const;
    std::uint16_t headStatus(int head) const { return status.head[head]; }
    void showMessage(const std::string& text, const std::string& caption);
    // One line of the unit's current file as the unit gives it, 8-bit; `read` tells whether
    // the unit had it.
    std::string readUnitLine(std::uint32_t index, bool& read);
    // The same line as the text box shows it.
    std::string readLibraryLine(std::uint32_t index, bool& read);
    // Writes the unit's current file, every line it gives from the first on, each ending in
    // CR LF, and commits it.
    bool copyUnitFile(platform::OutputFile& file);
    // Creates `path` and copies the unit's file into it; says why when it cannot.
    bool writeUnitFile(const std::string& path);
    // Says so when no file has been downloaded.
    bool somethingDownloaded();

    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;
    bool PreTranslateMessage(const platform::KeyMessage& message) override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(unsigned timerId) override;
    void OnSysCommand(unsigned command) override;
};

}  // namespace app
