// One panel per logon: the semaphore that tells a later start it is not the
// first, and the hand-over of that start's request to the running panel.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "controls/Handles.h"

namespace dorvane {

constexpr char kSemaphoreName[] = "Dorvane UI Semaphore";
constexpr char kFormProperty[] = "Dorvane UI Form";
constexpr char kDestroyWord[] = "VobDestroyMode";
constexpr char kSearchWord[] = "VobSearchMode";

enum class StartWord { None, Destroy, Search };

// A word counts only as the one and only argument, in full and in its case.
StartWord StartWordOf(const std::vector<std::string>& args);

// The request a later start sends to the running panel.
UINT SecondInstanceRequest(const std::vector<std::string>& args);

// Creates the semaphore. `first` is false only when the system reports that
// it already exists; any other failure counts as a first start.
KernelHandle CreateInstanceSemaphore(bool& first);

// Hands the request over to the running panel, if it can be found, then
// waits 500 ms. `sleep_ms` is the wait (tests pass 0).
void RunSecondInstance(const std::vector<std::string>& args, DWORD sleep_ms = 500);

// The command-line arguments after the program name, as 8-bit texts.
std::vector<std::string> CommandLineArguments();

}  // namespace dorvane
