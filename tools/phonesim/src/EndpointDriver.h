// Plays the "endpoint ..." script lines on the simulated endpoints, through
// the shared block the simulated endpoint library serves them from.
#pragma once
#include "phonesim/Script.h"
#include "phonesim/ServiceLog.h"

namespace phonesim {

// Logs the endpoint as it is after the change, or why nothing changed: no
// process has the simulated library loaded, or no endpoint has that name.
void DriveEndpoint(const ScriptCommand& command, ServiceLog& log);

}  // namespace phonesim
