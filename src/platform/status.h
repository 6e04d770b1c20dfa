#pragma once

#include <string>
#include <utility>

namespace pictavue {

// The outcome of an operation that can fail in a way the user must hear about. A failure carries
// its own description text (for example the operating system's), which travels unchanged up to
// the one place that shows it.
class [[nodiscard]] Status {
 public:
  static Status Ok() { return Status(); }
  static Status Failure(std::string description) { return Status(std::move(description)); }

  bool ok() const { return !failed_; }
  const std::string& description() const { return description_; }

 private:
  Status() = default;
  explicit Status(std::string description)
      : failed_(true), description_(std::move(description)) {}

  bool failed_ = false;
  std::string description_;
};

}  // namespace pictavue
