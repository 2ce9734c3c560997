#include "SoakRun.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include "DayTraffic.h"
#include "EndpointSimClient.h"
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {

// A fifth: in a day of 100,000 the GDI count still steps up once (by two
// device contexts with their regions and bitmaps) within the first tenth
// after a warm-up of a tenth, and then stays level to the end. A step is a
// cache filling; what the check is after is a slope. The short run of
// 10,000 has seen its one step (a device context with its region and
// bitmap) at about 2,800 messages, hence its longer warm-up.
long WarmupFor(long count) { return count / 5 > 3500 ? count / 5 : 3500; }

bool Flat(double start, double end) { return std::fabs(end - start) * 100 <= start; }

SoakResult RunSoak(long count, long warmup) {
    SoakResult result;
    auto fail = [&](const std::string& why) {
        result.failure = why;
        return result;
    };
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    endpointsim::TEndpointSimClient sim;
    if (!sim.Ok()) return fail("the simulated endpoints' block could not be made");
    sim.Reset();

    phonesim::ServiceConfig config;
    config.phone_present = true;
    config.softphone_present = true;
    // The service stays the panel's partner all day: the handshake, its own
    // updates every second, and the softphone answering the panel's commands.
    phonesim::PhoneService service(config);
    if (!service.Start()) return fail("the phone service stand-in did not start");
    PanelProcess panel({}, EndpointSimFolder());
    const HWND form = WaitForPanelForm();
    if (!form) return fail("the panel's window did not come");
    // The day's traffic reads the pages, which get their windows when the
    // window first opens.
    if (!OpenAndClosePanelWindow(form)) return fail("the panel's window did not open and close");
    if (!PumpUntil([&] { return service.PanelWindow() == form; }, 10000))
        return fail("the panel did not attach to the service");
    DWORD pid = 0;
    GetWindowThreadProcessId(form, &pid);

    DayTraffic day(service, form);
    auto measure = [&](Footprint& into) {
        const auto f = MeasureFootprint(pid);
        if (f) into = *f;
        return f.has_value();
    };
    const auto began = std::chrono::steady_clock::now();
    if (!day.Rest()) return fail(day.Failure());
    if (!measure(result.after_startup)) return fail("the panel could not be measured after start-up");
    if (!day.Tour() || !day.Run(warmup - day.Sent())) return fail(day.Failure());
    if (!measure(result.start)) return fail("the panel could not be measured after the warm-up");
    // In tenths, each measured and printed: a cache that fills once shows as
    // a step, a leak as a slope.
    const long tenth = std::max(1L, (count - day.Sent()) / 10);
    while (day.Sent() < count) {
        if (!day.Run(std::min(tenth, count - day.Sent()))) return fail(day.Failure());
        if (!measure(result.end)) return fail("the panel could not be measured during the run");
        std::printf("soak: after %ld messages: gdi %ld, user %ld, private %zu\n", static_cast<long>(day.Sent()),
                    static_cast<long>(result.end.gdi_objects), static_cast<long>(result.end.user_objects),
                    static_cast<size_t>(result.end.private_bytes));
        std::fflush(stdout);
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    result.status_updates = day.StatusUpdates();
    result.key_reports = day.KeyReports();
    result.answers = day.Answers();
    result.commands = static_cast<long>(service.ReceivedCommands().size());
    result.ran = panel.Running();
    if (!result.ran) result.failure = "the panel ended during the run";
    return result;
}

bool AllFlat(const SoakResult& r) {
    return Flat(r.start.gdi_objects, r.end.gdi_objects) && Flat(r.start.user_objects, r.end.user_objects) &&
           Flat(double(r.start.private_bytes), double(r.end.private_bytes)) &&
           Flat(double(r.start.committed_private), double(r.end.committed_private));
}

std::string Report(const SoakResult& r) {
    char line[512];
    std::string text;
    std::snprintf(line, sizeof line,
                  "soak: %ld messages (%ld status updates, %ld key reports, %ld Skype answers) in %.0f s; "
                  "the panel sent %ld Skype commands\n",
                  r.status_updates + r.key_reports + r.answers, r.status_updates, r.key_reports, r.answers,
                  r.seconds, r.commands);
    text += line;
    std::snprintf(line, sizeof line, "soak: GDI objects from the %s, USER objects as %s, private bytes from %s\n",
                  r.end.gdi_source.c_str(), r.end.user_source.c_str(), r.end.private_source.c_str());
    text += line;
    const std::pair<const char*, const Footprint*> rows[] = {
        {"after start-up", &r.after_startup}, {"after warm-up ", &r.start}, {"at the end    ", &r.end}};
    for (const auto& [name, f] : rows) {
        std::snprintf(line, sizeof line, "soak: %s  gdi %6ld  user %5ld  private %12zu  committed private %12zu\n",
                      name, f->gdi_objects, f->user_objects, f->private_bytes, f->committed_private);
        text += line;
        if (!f->gdi_kinds.empty()) text += "soak:                 (" + f->gdi_kinds + ")\n";
    }
    auto verdict = [](double a, double b) { return Flat(a, b) ? "flat" : "NOT FLAT"; };
    auto change = [](double a, double b) { return a ? (b - a) * 100.0 / a : 0.0; };
    std::snprintf(line, sizeof line,
                  "soak: warm-up to end: gdi %s, user %s, private %s (%+.2f%%), committed private %s (%+.2f%%)\n",
                  verdict(r.start.gdi_objects, r.end.gdi_objects), verdict(r.start.user_objects, r.end.user_objects),
                  verdict(double(r.start.private_bytes), double(r.end.private_bytes)),
                  change(double(r.start.private_bytes), double(r.end.private_bytes)),
                  verdict(double(r.start.committed_private), double(r.end.committed_private)),
                  change(double(r.start.committed_private), double(r.end.committed_private)));
    text += line;
    return text;
}

}  // namespace dorvane::testing
