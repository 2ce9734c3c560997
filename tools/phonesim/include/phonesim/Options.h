// The command line of phonesim.exe:
//   phonesim.exe [--demo] [--script FILE] [--interval MS] [--exit-at-eof] [--no-window]
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace phonesim {

struct Options {
    bool demo = false;          // phone and softphone present from the start
    std::string script_file;    // empty: the script comes from stdin
    std::optional<uint32_t> interval_ms;
    bool exit_at_eof = false;   // end the program when the script ends
    bool no_window = false;     // no keypad window for a person
    bool help = false;
};

struct OptionsResult {
    Options options;
    std::string error;  // non-empty: the command line is not usable
};

// `args` without the program name.
OptionsResult ParseOptions(const std::vector<std::string>& args);

extern const char kUsage[];

}  // namespace phonesim
