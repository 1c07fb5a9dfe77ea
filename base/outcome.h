// The result of an operation that can fail on outside data: a value, or a
// message saying what was wrong. Every function of the program that can fail
// reports it this way; the message is whole sentences for the user.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace sternwerk {

// Ends the program on a caller's mistake: asking a failure for its value.
[[noreturn]] inline void FailedOutcomeAccess(const std::string& error) {
  std::fprintf(stderr, "sternwerk: value of a failed operation taken: %s\n", error.c_str());
  std::abort();
}

template <typename T>
class [[nodiscard]] Outcome {
 public:
  static Outcome Success(T value) { return Outcome(std::move(value), {}); }
  static Outcome Failure(std::string error) { return Outcome(std::nullopt, std::move(error)); }

  bool ok() const { return value_.has_value(); }
  // The value of a success; on a failure the program ends with the error.
  const T& value() const& {
    if (!ok()) FailedOutcomeAccess(error_);
    return *value_;
  }
  T&& value() && {
    if (!ok()) FailedOutcomeAccess(error_);
    return std::move(*value_);
  }
  const std::string& error() const { return error_; }

 private:
  Outcome(std::optional<T> value, std::string error)
      : value_(std::move(value)), error_(std::move(error)) {}

  std::optional<T> value_;
  std::string error_;
};

// The result of an operation that gives nothing back when it succeeds.
class [[nodiscard]] Status {
 public:
  static Status Success() { return Status({}); }
  static Status Failure(std::string error) { return Status(std::move(error)); }

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

 private:
  explicit Status(std::string error) : error_(std::move(error)) {}
  std::string error_;
};

}  // namespace sternwerk
