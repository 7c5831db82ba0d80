/* The device communication library's contract: its 64 entry points, C linkage, the
 * platform's default calling convention. `dev` is the device index, 0 to the device count
 * minus 1; per-head arrays carry 4 elements (6 bytes for GetCalibration) and their count.
 * Data comes back only through the pointers; texts are 8-bit and NUL-terminated. */
#ifndef ZQ700COMM_H
#define ZQ700COMM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Devices and connection */
uint16_t GetNumDevicesConnected(void);
int SendConnect(uint16_t dev);
int SendDisConnect(uint16_t dev);
int DeviceActive(uint16_t dev);
int GetUnitSerialNumber(uint16_t dev, uint16_t* serial);
int GetSoftwareVersion(uint16_t dev, uint16_t* version);

/* Status and head information */
int GetUnitStatus(uint16_t dev, uint16_t* head1, uint16_t* head2, uint16_t* head3, uint16_t* head4,
                  uint16_t* unitFlags);
int GetHeadHours(uint16_t dev, uint16_t* head1, uint16_t* head2, uint16_t* head3, uint16_t* head4);
int GetCalibrationTime(uint16_t dev, uint16_t* head1, uint16_t* head2, uint16_t* head3,
                       uint16_t* head4);
int GetHeadWaveLength(uint16_t dev, uint16_t* head1, uint16_t* head2, uint16_t* head3,
                      uint16_t* head4);
int ReturnTemperatureReading(uint16_t dev, uint8_t* head1, uint8_t* head2, uint8_t* head3,
                             uint8_t* head4);
int GetMaximumTemperatures(uint16_t dev, uint8_t* head1, uint8_t* head2, uint8_t* head3,
                           uint8_t* head4);
int GetExposureCount(uint16_t dev, uint16_t* counts, int count);
int GetScreen(uint16_t dev, uint8_t* screen);
int SetScreen(uint16_t dev, uint8_t screen);

/* Intensity */
int GetPercentageLevel(uint16_t dev, uint16_t* levels, int count);
int SetPercentageLevel(uint16_t dev, uint16_t* levels, int count);
int GetPower(uint16_t dev, float* power, int count);
int SetPower(uint16_t dev, float* power, int count);
int GetIrradiance(uint16_t dev, float* irradiance, int count);
int SetIrradiance(uint16_t dev, float* irradiance, int count);
int GetMaxPower(uint16_t dev, float* maxPower, int count);
int GetMaxIrradiance(uint16_t dev, float* maxIrradiance, int count);
int GetMinInt(uint16_t dev, uint8_t* minIntensity, int count);

/* Exposure */
int GetExposureTimes(uint16_t dev, uint16_t* times, int count);
int SetExposureTimes(uint16_t dev, uint16_t* times, int count);
int GetCountMode(uint16_t dev, uint8_t* mode);
int SetCountMode(uint16_t dev, uint8_t mode);
int RunExposure(uint16_t dev, uint8_t* onOff, int count);

/* Calibration and alarms */
int PerformCalibration(uint16_t dev, uint8_t* heads, int count);
int GetCalibration(uint16_t dev, uint8_t* state, int count);
int ClearCalibration(uint16_t dev, uint8_t* heads, int count);
int ClearAlarm(uint16_t dev);

/* SD-card files */
int ZQOpenFile(uint16_t dev, const char* name);
int ReadFileLine(uint16_t dev, char* buffer, int size, uint32_t line);
int GetNumLinesInFile(uint16_t dev, uint32_t* lines);

/* Rampline rows: row 1 to 32 */
int GetRLRow(uint16_t dev, uint8_t row, uint8_t* head, uint16_t* expTime, float* intensity,
             uint16_t* dwell, uint8_t* source, uint8_t* repeat, uint8_t* calibration);
int SetRLRow(uint16_t dev, uint8_t row, uint8_t head, uint16_t expTime, float intensity,
             uint16_t dwell, uint8_t source, uint8_t repeat, uint8_t calibration);

/* Unit settings */
int GetRTC(uint16_t dev, char* buffer, int size);
int SetRTC(uint16_t dev, const char* text, int length);
int GetPLCLogic(uint16_t dev, uint8_t* logic);
int SetPLCLogic(uint16_t dev, uint8_t logic);
int GetPLCDelay(uint16_t dev, int16_t* delay);
int SetPLCDelay(uint16_t dev, int16_t delay);
int GetHeadAss(uint16_t dev, uint8_t* association);
int SetHeadAss(uint16_t dev, uint8_t association);
int GetLanguage(uint16_t dev, uint8_t* language);
int SaveSettings(uint16_t dev);

/* Required of every library, never called by the panel */
int UpdateData(uint16_t dev);
int SendIdentify(uint16_t dev);
int EnablePCShutterControl(uint16_t dev);
int GetUnitStatusext(uint16_t dev);
int GetIntensityLevel(uint16_t dev);
int CloseShutter(uint16_t dev);
int OpenShutter(uint16_t dev);
int LockFrontPanel(uint16_t dev);
int UnlockFrontPanel(uint16_t dev);
int DisableShutterControl(uint16_t dev);
int TurnCLFOff(uint16_t dev);
int TurnCLFOn(uint16_t dev);
int IncrementIrisSetting(uint16_t dev);
int DecrementIrisSetting(uint16_t dev);
int DisconnectPC(uint16_t dev);
int SetLanguage(uint16_t dev);

#ifdef __cplusplus
}
#endif

#endif /* ZQ700COMM_H */
