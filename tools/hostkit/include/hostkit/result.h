#pragma once
// How the tools' functions fail: they return either what they made or the text that says why they could not,
// never a flag with the message in an out-parameter.
#include <optional>
#include <string>
#include <utility>

namespace hostkit {

// The error text of a failed operation; a Result of any type is made from it.
class Failure {
 public:
  explicit Failure(std::string message) : text_(std::move(message)) {}
  std::string& Text() { return text_; }

 private:
  std::string text_;
};

// Either a value or an error text. Value() only when Ok(), Error() only when not.
template <typename T>
class [[nodiscard]] Result {
 public:
  // Implicit, so that a function returns its value or a Failure as it is.
  Result(T made) : value_(std::move(made)) {}
  Result(Failure failure) : error_(std::move(failure.Text())) {}

  bool Ok() const { return value_.has_value(); }
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  const std::string& Error() const { return error_; }

 private:
  std::optional<T> value_;
  std::string error_;
};

// An operation that makes nothing: success, or an error text.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : error_(std::move(failure.Text())), failed_(true) {}

  bool Ok() const { return !failed_; }
  const std::string& Error() const { return error_; }

 private:
  std::string error_;
  bool failed_ = false;
};

using Status = Result<void>;

}  // namespace hostkit
