// How a command of sternwerk-sky ends, the one way every command reports:
// done, its output written, with its exit status; or stopped with a message
// that main writes once on standard error. Only a usage error points to
// --help: a well-formed request that is not carried out says why, without it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "base/exit_status.h"
#include "base/outcome.h"

namespace sternwerk {

class [[nodiscard]] ToolResult {
 public:
  // The command did what was asked, or found nothing and said so on
  // standard output (kExitNotFound).
  static ToolResult Done(int status = kExitSuccess) { return ToolResult(Kind::kDone, status, {}); }
  // The command line is wrong; the message names what.
  static ToolResult UsageError(std::string message) {
    return ToolResult(Kind::kUsageError, kExitUsage, std::move(message));
  }
  // A well-formed request that is not carried out (no place of the name, a
  // local time the clocks skipped, a file that cannot be written); the
  // message says why.
  static ToolResult Failure(std::string message, int status = kExitFailure) {
    return ToolResult(Kind::kFailure, status, std::move(message));
  }

  int status() const { return status_; }
  bool done() const { return kind_ == Kind::kDone; }

  // What main writes on standard error: nothing for a command done, else
  // "sternwerk-sky: MESSAGE", the hint to --help after a usage error, and
  // the line's end.
  std::string ErrorText() const;

 private:
  enum class Kind { kDone, kUsageError, kFailure };
  ToolResult(Kind kind, int status, std::string message)
      : kind_(kind), status_(status), message_(std::move(message)) {}

  Kind kind_;
  int status_;
  std::string message_;
};

// A value a command goes on with, or the result that ends it instead.
template <typename T>
class [[nodiscard]] ToolOutcome {
 public:
  // Implicit, so that a step returns its value or its ending (a usage
  // error or a failure) as it is.
  ToolOutcome(T value) : value_(std::move(value)), ending_(ToolResult::Done()) {}
  ToolOutcome(ToolResult ending) : ending_(std::move(ending)) {}

  bool ok() const { return value_.has_value(); }
  // The value; on an ending the program ends with its message.
  const T& value() const& {
    if (!ok()) FailedOutcomeAccess(ending_.ErrorText());
    return *value_;
  }
  T&& value() && {
    if (!ok()) FailedOutcomeAccess(ending_.ErrorText());
    return std::move(*value_);
  }
  // What ends the command where there is no value.
  const ToolResult& ending() const { return ending_; }

 private:
  std::optional<T> value_;
  ToolResult ending_;
};

}  // namespace sternwerk
