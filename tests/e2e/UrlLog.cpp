// urllog.exe ADDRESS: stands in for the browser while the website scenarios
// run. Wine's shell starts it for http addresses; it adds the address it was
// given as one line to urllog.txt beside itself.
#include <windows.h>
#include <string>

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string log = self;
    log = log.substr(0, log.rfind('\\') + 1) + "urllog.txt";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const std::string line = std::string(argc > 1 ? argv[1] : "") + "\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
