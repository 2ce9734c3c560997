// Where the panel's start-up time goes. Each step of the process entry and of
// the main window's construction marks its end; a benchmark that names a file
// in the environment variable "DORVANE_STARTUP_STEPS" gets the marks written
// there once the construction has finished, one line per step:
// "<milliseconds since the process was created> <step>". Without the variable
// a mark costs one clock read and nothing is written.
#pragma once

namespace dorvane {

void MarkStartupStep(const char* step);
// Writes the marks made so far when the variable is set.
void ReportStartupSteps();

}  // namespace dorvane
