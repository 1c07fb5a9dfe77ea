// The result of an operation that can fail on outside data: a value, or a
// message saying what was wrong.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace sternwerk {

template <typename T>
class Outcome {
 public:
  static Outcome Success(T value) { return Outcome(std::move(value), {}); }
  static Outcome Failure(std::string error) { return Outcome(std::nullopt, std::move(error)); }

  bool ok() const { return value_.has_value(); }
  const T& value() const& { return *value_; }
  T&& value() && { return std::move(*value_); }
  const std::string& error() const { return error_; }

 private:
  Outcome(std::optional<T> value, std::string error)
      : value_(std::move(value)), error_(std::move(error)) {}

  std::optional<T> value_;
  std::string error_;
};

// The result of an operation that gives nothing back when it succeeds.
class Status {
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
