#include "phonesim/Softphone.h"

namespace phonesim {
namespace {

// `command` is `keyword` alone or `keyword` + " " + argument; gives the
// argument (empty for the keyword alone).
std::optional<std::string_view> ArgumentOf(std::string_view command, std::string_view keyword) {
    if (command.substr(0, keyword.size()) != keyword) return std::nullopt;
    std::string_view rest = command.substr(keyword.size());
    if (rest.empty()) return rest;
    if (rest.front() != ' ') return std::nullopt;
    return rest.substr(1);
}

}  // namespace

Softphone::Reply Softphone::Handle(std::string_view command) {
    if (command == "GET AUDIO_OUT") return {Outcome::Answered, "AUDIO_OUT " + output_};
    if (command == "GET AUDIO_IN") return {Outcome::Answered, "AUDIO_IN " + input_};
    if (auto name = ArgumentOf(command, "SET AUDIO_OUT")) {
        output_.assign(*name);
        return {Outcome::Answered, "AUDIO_OUT " + output_};
    }
    if (auto name = ArgumentOf(command, "SET AUDIO_IN")) {
        input_.assign(*name);
        return {Outcome::Answered, "AUDIO_IN " + input_};
    }
    if (auto path = ArgumentOf(command, "SET RINGTONE 1")) {
        ring_tone_.assign(*path);
        return {Outcome::Done, {}};
    }
    return {Outcome::Unknown, {}};
}

}  // namespace phonesim
