// The one error type for the journal's failures: the message text exactly as the user sees it,
// and separately the day file and line where it happened (empty and 0 when not known).
#pragma once

#include <stdexcept>
#include <string>

namespace ej {

class JournalError : public std::runtime_error {
 public:
  explicit JournalError(const std::string& message, std::string file = {}, int line = 0)
      : std::runtime_error(message), file_(std::move(file)), line_(line) {}

  const std::string& File() const { return file_; }
  // 1-based line number inside File(), or 0.
  int Line() const { return line_; }

  void SetFile(std::string file) { file_ = std::move(file); }
  void SetLine(int line) { line_ = line; }

 private:
  std::string file_;
  int line_;
};

}  // namespace ej
