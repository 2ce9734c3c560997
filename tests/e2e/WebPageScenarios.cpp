// The embedded web page of the real panel: the system's browser control asks
// for the page of the web settings as soon as the panel has started, and
// shows no window of its own (an install prompt, say) on the way. The page request is caught
// by a listener on this machine that the prefix's browser takes for its
// proxy while the scenario runs.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <gtest/gtest.h>
#include <string>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"

namespace dorvane::testing {
namespace {

constexpr char kInternetSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// A loopback listener that keeps the first request it is sent.
class PageRequestListener {
public:
    PageRequestListener() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof at;
        u_long nonblocking = 1;
        if (socket_ == INVALID_SOCKET || bind(socket_, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
            listen(socket_, 4) != 0 || getsockname(socket_, reinterpret_cast<sockaddr*>(&at), &size) != 0 ||
            ioctlsocket(socket_, FIONBIO, &nonblocking) != 0)
            return;
        port_ = ntohs(at.sin_port);
    }
    ~PageRequestListener() {
        if (client_ != INVALID_SOCKET) closesocket(client_);
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
        if (started_) WSACleanup();
    }
    PageRequestListener(const PageRequestListener&) = delete;
    PageRequestListener& operator=(const PageRequestListener&) = delete;

    int Port() const { return port_; }

    // The request's head, once it is all there; the panel's window messages
    // are answered meanwhile.
    std::string WaitForRequest(DWORD timeout_ms) {
        PumpUntil([&] { return Receive(); }, timeout_ms);
        return request_;
    }

private:
    bool Receive() {
        if (client_ == INVALID_SOCKET) {
            client_ = accept(socket_, nullptr, nullptr);
            if (client_ == INVALID_SOCKET) return false;
            u_long nonblocking = 1;
            ioctlsocket(client_, FIONBIO, &nonblocking);
        }
        char buffer[1024];
        const int n = recv(client_, buffer, sizeof buffer, 0);
        if (n > 0) request_.append(buffer, n);
        return request_.find("\r\n\r\n") != std::string::npos || n == 0;
    }

    bool started_ = false;
    SOCKET socket_ = INVALID_SOCKET, client_ = INVALID_SOCKET;
    int port_ = 0;
    std::string request_;
};

// The prefix's proxy for the browser control, put back as it was afterwards.
class ProxySetting {
public:
    explicit ProxySetting(const std::string& server) {
        RegCreateKeyExA(HKEY_CURRENT_USER, kInternetSettings, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        key_.Put(), nullptr);
        DWORD size = sizeof enable_;
        hadEnable_ = RegQueryValueExA(key_.get(), "ProxyEnable", nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(&enable_), &size) == ERROR_SUCCESS;
        char text[256] = {};
        size = sizeof text - 1;
        hadServer_ = RegQueryValueExA(key_.get(), "ProxyServer", nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                                      &size) == ERROR_SUCCESS;
        server_ = text;
        const DWORD on = 1;
        RegSetValueExA(key_.get(), "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
        RegSetValueExA(key_.get(), "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                       static_cast<DWORD>(server.size() + 1));
    }
    ~ProxySetting() {
        if (hadEnable_)
            RegSetValueExA(key_.get(), "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable_),
                           sizeof enable_);
        else
            RegDeleteValueA(key_.get(), "ProxyEnable");
        if (hadServer_)
            RegSetValueExA(key_.get(), "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server_.c_str()),
                           static_cast<DWORD>(server_.size() + 1));
        else
            RegDeleteValueA(key_.get(), "ProxyServer");
    }
    ProxySetting(const ProxySetting&) = delete;
    ProxySetting& operator=(const ProxySetting&) = delete;

private:
    RegKey key_;
    bool hadEnable_ = false, hadServer_ = false;
    DWORD enable_ = 0;
    std::string server_;
};

int VisibleWindowsOf(DWORD process) {
    struct Count {
        DWORD process;
        int n;
    } count{process, 0};
    EnumWindows(
        [](HWND w, LPARAM p) {
            auto* c = reinterpret_cast<Count*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == c->process && IsWindowVisible(w)) ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

// The request line and the Host header of a request's head.
std::string PageAsked(const std::string& request) {
    const std::string line = request.substr(0, request.find("\r\n"));
    const size_t host = request.find("\r\nHost: ");
    if (host == std::string::npos) return line;
    return line + " | " + request.substr(host + 2, request.find("\r\n", host + 2) - host - 2);
}

TEST(WebPageScenario, TheConfiguredPageIsAskedForAtStartAndNoWindowOfTheBrowserShows) {
    struct Case {
        const char* name;
        const char* settings;  // the web settings file beside the panel; none when null
        const char* page;      // found in the request line and Host header
    };
    const Case cases[] = {
        {"no web settings file: Skype's home page", nullptr, "skype.com"},
        {"a sixth line names the page",
         "Home\r\nhttp://home.example/\r\n-\r\n\r\nPortal\r\nhttp://portal.example/start\r\n",
         "portal.example:80/start HTTP/1.1 | Host: portal.example"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        test::TempFolder program;
        ASSERT_TRUE(CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program.Path() + "\\DorvaneUI.exe").c_str(), FALSE));
        if (c.settings) program.File("defaultWeb.vob", c.settings);
        PageRequestListener listener;
        ASSERT_NE(listener.Port(), 0);
        ProxySetting proxy("127.0.0.1:" + std::to_string(listener.Port()));
        PanelProcess panel({}, program.Path());
        HWND form = WaitForPanelForm();
        ASSERT_NE(form, nullptr);

        const std::string asked = PageAsked(listener.WaitForRequest(10000));
        EXPECT_EQ(asked.rfind("GET http://", 0), 0u) << asked;
        EXPECT_NE(asked.find(c.page), std::string::npos) << asked;

        // Only the tray icon shows at start: the browser brought up nothing.
        DWORD process = 0;
        GetWindowThreadProcessId(form, &process);
        PumpPending();
        EXPECT_EQ(VisibleWindowsOf(process), 0);
    }
}

}  // namespace
}  // namespace dorvane::testing
