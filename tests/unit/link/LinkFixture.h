// A panel main window on the test thread and a phone service stand-in on a
// thread of its own, talking by real window messages.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "PeerWindow.h"
#include "RecordingShell.h"
#include "app/Application.h"
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app.Initialize();
        app.SetTitle("Dorvane UI");
        app.ShowErrorBox = [this](const std::string& text, const std::string&) { errors.push_back(text); };
    }
    void TearDown() override {
        form.reset();
        TakeQuit();
    }

    void MakeForm(std::vector<std::string> args = {}) {
        form = std::make_unique<TForm1>(app, system, std::move(args), TWinmmApi::Real(), shell);
        form->FormCreate();
    }
    HWND Panel() const { return form->Handle(); }
    static UINT Attach() { return RegisterWindowMessageA(kAttachMessageName); }
    static UINT Discover() { return RegisterWindowMessageA(kDiscoverMessageName); }

    // The service sends to the panel and the test thread answers meanwhile.
    LRESULT SendFrom(PeerWindow& peer, UINT msg, WPARAM wp, LPARAM lp) {
        auto f = peer.Send(Panel(), msg, wp, lp);
        return PumpFor(f);
    }
    LRESULT Discover(PeerWindow& peer) {
        return SendFrom(peer, Discover(), reinterpret_cast<WPARAM>(peer.Handle()), 0);
    }
    LRESULT PhoneEvent(PeerWindow& peer, uint32_t status, uint32_t key_event) {
        return SendFrom(peer, WM_PHONE_EVENT, status, key_event);
    }
    // Posted attach messages arrive at the peer a moment later.
    std::vector<Received> AttachesAt(PeerWindow& peer, size_t expected) {
        PumpUntil([&] { return peer.MessagesOf(Attach()).size() >= expected; }, 2000);
        return peer.MessagesOf(Attach());
    }

    PeerWindow service;  // outlives the form: it gets the detach notice
    RecordingShell shell;
    TApplication app;
    SystemInfo system;
    std::vector<std::string> errors;
    std::unique_ptr<TForm1> form;
};

}  // namespace dorvane::testing
