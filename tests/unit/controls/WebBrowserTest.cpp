#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/CppWebBrowser.h"

namespace dorvane::test {
namespace {

class RecordingHost : public IBrowserHost {
public:
    explicit RecordingHost(std::vector<std::wstring>& log) : log_(log) {}
    void Navigate(const std::wstring& url) override { log_.push_back(L"navigate " + url); }
    void Resize(int width, int height) override {
        log_.push_back(L"size " + std::to_wstring(width) + L"x" + std::to_wstring(height));
    }

private:
    std::vector<std::wstring>& log_;
};

TEST(CppWebBrowser, NavigateHandsTheAddressToTheHostAndFollowsTheSize) {
    TestForm form;
    std::vector<std::wstring> log;
    TCppWebBrowser browser(form.Handle(), "CppWebBrowser1", 0, 0, 575, 241, std::make_unique<RecordingHost>(log));
    log.clear();
    browser.Navigate("http://www.skype.com/");
    browser.SetHeight(260);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"navigate http://www.skype.com/", L"size 575x260"}));
    EXPECT_EQ(browser.LocationURL(), "http://www.skype.com/");
    EXPECT_EQ(browser.Height(), 260);
}

TEST(CppWebBrowser, WithoutAHostTheAddressIsKept) {
    TestForm form;
    TCppWebBrowser browser(form.Handle(), "CppWebBrowser1", 0, 0, 575, 241);
    browser.Navigate("");
    browser.Navigate("http://example.invalid/");
    EXPECT_FALSE(browser.HasHost());
    EXPECT_EQ(browser.LocationURL(), "http://example.invalid/");
}

}  // namespace
}  // namespace dorvane::test
