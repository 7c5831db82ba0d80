// The simulated units' device library: the exported entry points.
// This cut reports no devices; every other entry refuses (returns 0) and writes nothing.

#include "device/ZQ700Comm.h"
#include "platform/posix/file_version_note.h"

ZQ_FILE_VERSION_NOTE(1, 0, 0, 0);

#define ZQ_EXPORT extern "C" __attribute__((visibility("default")))

ZQ_EXPORT uint16_t GetNumDevicesConnected(void) {
    return 0;
}
ZQ_EXPORT int SendConnect(uint16_t) {
    return 0;
}
ZQ_EXPORT int SendDisConnect(uint16_t) {
    return 0;
}
ZQ_EXPORT int DeviceActive(uint16_t) {
    return 0;
}
ZQ_EXPORT int GetUnitSerialNumber(uint16_t, uint16_t*) {
    return 0;
}
ZQ_EXPORT int GetSoftwareVersion(uint16_t, uint16_t*) {
    return 0;
}
ZQ_EXPORT int GetUnitStatus(uint16_t, uint16_t*, uint16_t*, uint16_t*, uint16_t*, uint16_t*) {
    return 0;
}
ZQ_EXPORT int GetHeadHours(uint16_t, uint16_t*, uint16_t*, uint16_t*, uint16_t*) {
    return 0;
}
ZQ_EXPORT int GetCalibrationTime(uint16_t, uint16_t*, uint16_t*, uint16_t*, uint16_t*) {
    return 0;
}
ZQ_EXPORT int GetHeadWaveLength(uint16_t, uint16_t*, uint16_t*, uint16_t*, uint16_t*) {
    return 0;
}
ZQ_EXPORT int ReturnTemperatureReading(uint16_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*) {
    return 0;
}
ZQ_EXPORT int GetMaximumTemperatures(uint16_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*) {
    return 0;
}
ZQ_EXPORT int GetExposureCount(uint16_t, uint16_t*, int) {
    return 0;
}
ZQ_EXPORT int GetScreen(uint16_t, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SetScreen(uint16_t, uint8_t) {
    return 0;
}
ZQ_EXPORT int GetPercentageLevel(uint16_t, uint16_t*, int) {
    return 0;
}
ZQ_EXPORT int SetPercentageLevel(uint16_t, uint16_t*, int) {
    return 0;
}
ZQ_EXPORT int GetPower(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int SetPower(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int GetIrradiance(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int SetIrradiance(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int GetMaxPower(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int GetMaxIrradiance(uint16_t, float*, int) {
    return 0;
}
ZQ_EXPORT int GetMinInt(uint16_t, uint8_t*, int) {
    return 0;
}
ZQ_EXPORT int GetExposureTimes(uint16_t, uint16_t*, int) {
    return 0;
}
ZQ_EXPORT int SetExposureTimes(uint16_t, uint16_t*, int) {
    return 0;
}
ZQ_EXPORT int GetCountMode(uint16_t, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SetCountMode(uint16_t, uint8_t) {
    return 0;
}
ZQ_EXPORT int RunExposure(uint16_t, uint8_t*, int) {
    return 0;
}
ZQ_EXPORT int PerformCalibration(uint16_t, uint8_t*, int) {
    return 0;
}
ZQ_EXPORT int GetCalibration(uint16_t, uint8_t*, int) {
    return 0;
}
ZQ_EXPORT int ClearCalibration(uint16_t, uint8_t*, int) {
    return 0;
}
ZQ_EXPORT int ClearAlarm(uint16_t) {
    return 0;
}
ZQ_EXPORT int ZQOpenFile(uint16_t, const char*) {
    return 0;
}
ZQ_EXPORT int ReadFileLine(uint16_t, char*, int, uint32_t) {
    return 0;
}
ZQ_EXPORT int GetNumLinesInFile(uint16_t, uint32_t*) {
    return 0;
}
ZQ_EXPORT int GetRLRow(uint16_t, uint8_t, uint8_t*, uint16_t*, float*, uint16_t*, uint8_t*,
                       uint8_t*, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SetRLRow(uint16_t, uint8_t, uint8_t, uint16_t, float, uint16_t, uint8_t, uint8_t,
                       uint8_t) {
    return 0;
}
ZQ_EXPORT int GetRTC(uint16_t, char*, int) {
    return 0;
}
ZQ_EXPORT int SetRTC(uint16_t, const char*, int) {
    return 0;
}
ZQ_EXPORT int GetPLCLogic(uint16_t, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SetPLCLogic(uint16_t, uint8_t) {
    return 0;
}
ZQ_EXPORT int GetPLCDelay(uint16_t, int16_t*) {
    return 0;
}
ZQ_EXPORT int SetPLCDelay(uint16_t, int16_t) {
    return 0;
}
ZQ_EXPORT int GetHeadAss(uint16_t, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SetHeadAss(uint16_t, uint8_t) {
    return 0;
}
ZQ_EXPORT int GetLanguage(uint16_t, uint8_t*) {
    return 0;
}
ZQ_EXPORT int SaveSettings(uint16_t) {
    return 0;
}
ZQ_EXPORT int UpdateData(uint16_t) {
    return 0;
}
ZQ_EXPORT int SendIdentify(uint16_t) {
    return 0;
}
ZQ_EXPORT int EnablePCShutterControl(uint16_t) {
    return 0;
}
ZQ_EXPORT int GetUnitStatusext(uint16_t) {
    return 0;
}
ZQ_EXPORT int GetIntensityLevel(uint16_t) {
    return 0;
}
ZQ_EXPORT int CloseShutter(uint16_t) {
    return 0;
}
ZQ_EXPORT int OpenShutter(uint16_t) {
    return 0;
}
ZQ_EXPORT int LockFrontPanel(uint16_t) {
    return 0;
}
ZQ_EXPORT int UnlockFrontPanel(uint16_t) {
    return 0;
}
ZQ_EXPORT int DisableShutterControl(uint16_t) {
    return 0;
}
ZQ_EXPORT int TurnCLFOff(uint16_t) {
    return 0;
}
ZQ_EXPORT int TurnCLFOn(uint16_t) {
    return 0;
}
ZQ_EXPORT int IncrementIrisSetting(uint16_t) {
    return 0;
}
ZQ_EXPORT int DecrementIrisSetting(uint16_t) {
    return 0;
}
ZQ_EXPORT int DisconnectPC(uint16_t) {
    return 0;
}
ZQ_EXPORT int SetLanguage(uint16_t) {
    return 0;
}
