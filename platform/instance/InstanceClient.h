#pragma once

#include <chrono>
#include <string>

namespace quorvex::platform {

enum class CommandDelivery {
    Taken,    // the running launcher answered "ok"
    Refused,  // it answered, but does not know the command
    NoAnswer, // nobody listened or answered in time
};

// Sends one command word to the launcher listening on `socketPath`. A
// launcher still starting up may not listen yet: connecting is retried
// until `patience` has passed.
CommandDelivery sendInstanceCommand(const std::string& socketPath, const std::string& word,
                                    std::chrono::milliseconds patience);

} // namespace quorvex::platform
