// The exit statuses of the programs, as scripts read them.
#pragma once

namespace sternwerk {

// What was asked is done.
inline constexpr int kExitSuccess = 0;
// What was sought does not exist: no event within the days scanned, no
// place of the name given.
inline constexpr int kExitNotFound = 1;
// The command line is wrong; the message names what and points to --help.
inline constexpr int kExitUsage = 2;
// A well-formed request that is not carried out: a bad input line, a file
// that cannot be written, a local time the clocks skipped, a library's
// failure.
inline constexpr int kExitFailure = 2;

}  // namespace sternwerk
