// The one line the game prints when start-up fails.
#pragma once

#include <exception>
#include <string>

// Describes the exception in flight (or the given one) for a player to read.
std::string describeFatalError(std::exception_ptr error);
