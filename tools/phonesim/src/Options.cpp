#include "phonesim/Options.h"
#include "phonesim/Script.h"

namespace phonesim {

const char kUsage[] =
    "usage: phonesim.exe [--demo] [--script FILE] [--interval MS] [--exit-at-eof] [--no-window]\n"
    "  --demo         phone present and softphone present from the start\n"
    "  --script FILE  read the script from FILE instead of stdin\n"
    "  --interval MS  status update interval (below 3000 ms; default 1000)\n"
    "  --exit-at-eof  end when the script ends (otherwise only on quit or Ctrl-C)\n"
    "  --no-window    no keypad window\n"
    "script lines (words not case-sensitive, # starts a comment):\n"
    "  phone present on|off        softphone present on|off    typing lock on|off\n"
    "  navigation N                call state N                key down CODE | key up\n"
    "  wait MS                     interval MS                 quit\n"
    "  softphone out NAME          softphone in NAME\n"
    "  endpoint level DB NAME      e.g. endpoint level -12.5 Speakers (USB Audio Device)\n"
    "  endpoint mute on|off NAME   endpoint plug on|off NAME   endpoint default NAME\n"
    "  endpoint list               (NAME: a friendly name, the rest of the line)\n";

OptionsResult ParseOptions(const std::vector<std::string>& args) {
    OptionsResult result;
    Options& o = result.options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--demo") {
            o.demo = true;
        } else if (a == "--exit-at-eof") {
            o.exit_at_eof = true;
        } else if (a == "--no-window") {
            o.no_window = true;
        } else if (a == "--help" || a == "-h" || a == "/?") {
            o.help = true;
        } else if (a == "--script" || a == "--interval") {
            if (i + 1 >= args.size()) {
                result.error = a + " needs a value";
                return result;
            }
            const std::string& value = args[++i];
            if (a == "--script") {
                o.script_file = value;
            } else {
                // Same rules as the script's "interval" line.
                ScriptLine line = ParseScriptLine("interval " + value);
                if (!line.command) {
                    result.error = "--interval: expected a number of milliseconds, 1 or more";
                    return result;
                }
                o.interval_ms = line.command->value;
            }
        } else {
            result.error = "unknown option: " + a;
            return result;
        }
    }
    return result;
}

}  // namespace phonesim
