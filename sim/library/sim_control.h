/* Extra entry points of the simulated units' library, beyond the device library contract:
 * for tests, which load the library and drive its units in-process. */
#ifndef ZQ700_SIM_CONTROL_H
#define ZQ700_SIM_CONTROL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Starts the units afresh from a scenario text (YAML; NULL: the default units) on a clock
 * that moves only with ZQSim_Advance (manual non-zero) or on the real clock. Returns 0 when
 * the scenario is malformed; ZQSim_LastError tells why. */
int ZQSim_Reset(const char* scenario, int manual);
/* Lets `ms` milliseconds of unit time pass (manual clock only). */
int ZQSim_Advance(uint32_t ms);
/* Applies one event in the event tool's text form, e.g. "door-lock 0". */
int ZQSim_Event(const char* text);
const char* ZQSim_LastError(void);
/* The socket the event tool talks to; empty when none is open. */
const char* ZQSim_SocketPath(void);

#ifdef __cplusplus
}
#endif

#endif
