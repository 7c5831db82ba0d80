/* The 64 entry points of the device library, in binding order. */
#ifndef ZQ700_ENTRY_POINTS_H
#define ZQ700_ENTRY_POINTS_H

#define ZQ700_ENTRY_POINTS(X)                                                                      \
    X(GetNumDevicesConnected)                                                                      \
    X(UpdateData)                                                                                  \
    X(SendConnect)                                                                                 \
    X(SendDisConnect)                                                                              \
    X(DeviceActive)                                                                                \
    X(SendIdentify)                                                                                \
    X(EnablePCShutterControl)                                                                      \
    X(GetUnitStatus) X(GetUnitStatusext) X(GetIntensityLevel) X(GetPercentageLevel) X(             \
        CloseShutter) X(OpenShutter) X(LockFrontPanel) X(UnlockFrontPanel)                         \
        X(DisableShutterControl) X(GetHeadHours) X(GetCalibrationTime) X(ReturnTemperatureReading) \
            X(ClearCalibration) X(TurnCLFOff) X(TurnCLFOn) X(GetUnitSerialNumber) X(               \
                SetPercentageLevel) X(IncrementIrisSetting) X(DecrementIrisSetting)                \
                X(DisconnectPC) X(GetMaximumTemperatures) X(GetHeadWaveLength) X(GetExposureTimes) \
                    X(SetExposureTimes) X(GetCountMode) X(SetCountMode) X(RunExposure)             \
                        X(GetExposureCount) X(ZQOpenFile) X(ReadFileLine) X(GetNumLinesInFile)     \
                            X(GetMaxPower) X(GetMaxIrradiance) X(ClearAlarm) X(GetPower)           \
                                X(GetIrradiance) X(SetPower) X(SetIrradiance) X(GetRLRow)          \
                                    X(SetRLRow) X(GetMinInt) X(GetRTC) X(SetRTC) X(GetPLCLogic)    \
                                        X(SetPLCLogic) X(GetPLCDelay) X(SetPLCDelay)               \
                                            X(GetSoftwareVersion) X(SaveSettings) X(GetLanguage)   \
                                                X(SetLanguage) X(GetHeadAss) X(SetHeadAss)         \
                                                    X(PerformCalibration) X(GetCalibration)        \
                                                        X(GetScreen) X(SetScreen)

#endif /* ZQ700_ENTRY_POINTS_H */
