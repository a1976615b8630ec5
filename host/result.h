#pragma once
// Outcome of a host operation: a value, or a message that says what went wrong.
// The host library reports every failure this way and never throws.

#include <optional>
#include <string>
#include <utility>

namespace host {

template <typename T>
class Result {
 public:
  static Result success(T value) {
    Result result;
    result.value_.emplace(std::move(value));
    return result;
  }
  static Result failure(std::string message) {
    Result result;
    result.error_ = std::move(message);
    return result;
  }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }

  // Only when ok().
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T& operator*() { return *value_; }
  T* operator->() { return &*value_; }

  // Empty when ok().
  const std::string& error() const { return error_; }

 private:
  Result() = default;
  std::optional<T> value_;
  std::string error_;
};

// A Result without a value.
class Status {
 public:
  static Status success() { return Status(); }
  static Status failure(std::string message) {
    Status status;
    status.failed_ = true;
    status.error_ = std::move(message);
    return status;
  }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return error_; }

 private:
  Status() = default;
  bool failed_ = false;
  std::string error_;
};

}  // namespace host
