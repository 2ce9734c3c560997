// The leak check: a fresh panel on the simulated endpoint library, a day's
// traffic, and its footprint after start-up, after a warm-up batch that
// fills the caches (fonts, the endpoint library, MCI, heaps) and at the end.
#pragma once
#include <string>
#include "PanelFootprint.h"

namespace dorvane::testing {

struct SoakResult {
    bool ran = false;  // false: see failure
    std::string failure;
    long status_updates = 0, key_reports = 0, answers = 0;
    // Commands the panel sent to Skype through the service meanwhile: the
    // traffic reached the panel's work, not only its queue.
    long commands = 0;
    double seconds = 0;
    Footprint after_startup, start, end;
};

// `count` messages in all, the first `warmup` of them before the start.
SoakResult RunSoak(long count, long warmup);
// The warm-up a run of `count` messages takes.
long WarmupFor(long count);

// Within 1% of `start` (for counts below 100: equal).
bool Flat(double start, double end);

// Every figure flat from the warm-up to the end.
bool AllFlat(const SoakResult& result);

// The three figures and the verdict, one line each.
std::string Report(const SoakResult& result);

}  // namespace dorvane::testing
