// What a running process holds of the things that leak: GDI objects, windows
// (its USER objects) and private bytes, read from outside the process.
#pragma once
#include <windows.h>
#include <cstddef>
#include <optional>
#include <string>

namespace dorvane::testing {

struct Footprint {
    long gdi_objects = 0;
    // The GDI objects by kind as the handle table names them ("brush 12,
    // font 30, ..."), to tell which kind grows; empty without the table.
    std::string gdi_kinds;
    long user_objects = 0;
    size_t private_bytes = 0;
    // The process's committed private regions, walked with VirtualQueryEx:
    // what Windows counts as its private bytes, as Wine maps them.
    size_t committed_private = 0;
    // Where the two counts came from: GetGuiResources where it answers,
    // otherwise the measures below.
    std::string gdi_source;
    std::string user_source;
    std::string private_source;
};

// Empty when the process cannot be read (it ended, or access was refused).
std::optional<Footprint> MeasureFootprint(DWORD process_id);

// "gdi 123, user 45, private 6789012 bytes".
std::string Describe(const Footprint& f);

}  // namespace dorvane::testing
