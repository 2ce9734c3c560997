// A phone service linked to a fake panel on the test thread, as after the
// handshake: the panel has its discover message and has attached.
#pragma once
#include <gtest/gtest.h>
#include "FakePanel.h"
#include "phonesim/PhoneService.h"

namespace phonesim_test {

// Updates only when a test asks for one, so sequences compare exactly.
inline phonesim::ServiceConfig QuietConfig() {
    phonesim::ServiceConfig config;
    config.periodic_updates = false;
    return config;
}

inline phonesim::ServiceConfig PeriodicConfig() {
    phonesim::ServiceConfig config;
    config.periodic_updates = true;
    return config;
}

class LinkedService : public ::testing::Test {
protected:
    explicit LinkedService(phonesim::ServiceConfig config = QuietConfig()) : service(std::move(config)) {}

    void SetUp() override {
        ASSERT_TRUE(panel) << "no window could be made (no display?)";
        ASSERT_TRUE(service.Start());
        HWND window = service.Window();
        ASSERT_TRUE(panel.PumpUntil([&] { return !panel.discovers.empty(); })) << "no discover at start";
        panel.PostAttach(window);
        ASSERT_TRUE(panel.PumpUntil([&] { return !panel.StatusUpdates().empty(); })) << "no update after attach";
        ASSERT_EQ(panel.Window(), service.PanelWindow());
        panel.Clear();
    }

    // Pumps until `count` WM_COPYDATA answers have arrived.
    bool WaitForAnswers(size_t count) {
        return panel.PumpUntil([&] { return panel.copies.size() >= count; });
    }

    FakePanel panel;  // made first, so it hears the discover broadcast
    phonesim::PhoneService service;
};

}  // namespace phonesim_test
