#pragma once
// How the tools' functions fail: they return either what they made or what says why they could not (an error
// text, or a struct where the caller needs more than the text), never a flag with the reason or the value in an
// out-parameter.
#include <optional>
#include <string>
#include <utility>

namespace hostkit {

// The error of a failed operation; a Result of any value type with this error type is made from it.
template <typename E>
class FailureOf {
 public:
  explicit FailureOf(E error) : error_(std::move(error)) {}
  E& Error() { return error_; }

 private:
  E error_;
};

// An error text, the error of nearly every operation.
using Failure = FailureOf<std::string>;

// Either a value or an error. Value() only when Ok(), Error() only when not.
template <typename T, typename E = std::string>
class [[nodiscard]] Result {
 public:
  // Implicit, so that a function returns its value or a failure as it is.
  Result(T made) : value_(std::move(made)) {}
  Result(FailureOf<E> failure) : error_(std::move(failure.Error())) {}

  bool Ok() const { return value_.has_value(); }
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  const E& Error() const { return error_; }

 private:
  std::optional<T> value_;
  E error_;
};

// An operation that makes nothing: success, or an error.
template <typename E>
class [[nodiscard]] Result<void, E> {
 public:
  Result() = default;
  Result(FailureOf<E> failure) : error_(std::move(failure.Error())), failed_(true) {}

  bool Ok() const { return !failed_; }
  const E& Error() const { return error_; }

 private:
  E error_;
  bool failed_ = false;
};

using Status = Result<void>;

}  // namespace hostkit
