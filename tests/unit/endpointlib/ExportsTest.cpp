// Both builds of zeldevtopvolctrl.dll offer every export under its plain
// name, the two tables among them.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "controls/Handles.h"

namespace dorvane::test {
namespace {
const char* const kExports[] = {"zeldevenum",        "zeldevtop",         "zelrefreshdevicelist",
                                "zelGetDevListCnt",  "zelGetListDevName", "zelSlctDevFromList",
                                "zelGetVolume",      "zelSetVolume",      "zelGetMute",
                                "zelSetMute",        "zelGetVolRange",    "zelInitDeviceNotification",
                                "RenderDevList",     "CaptureDevList"};

std::vector<std::string> MissingExports(const char* unixPath) {
    const std::string path = std::string("Z:") + unixPath;
    ModuleHandle module(LoadLibraryA(path.c_str()));
    if (!module) return {"cannot load " + path};
    std::vector<std::string> missing;
    for (const char* name : kExports)
        if (!GetProcAddress(module.get(), name)) missing.push_back(name);
    return missing;
}

TEST(Exports, EndpointLibrary) { EXPECT_EQ(std::vector<std::string>{}, MissingExports(ENDPOINTLIB_DLL)); }
TEST(Exports, SimulatedEndpointLibrary) { EXPECT_EQ(std::vector<std::string>{}, MissingExports(ENDPOINTSIM_DLL)); }

}  // namespace
}  // namespace dorvane::test
