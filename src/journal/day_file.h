// The text of one day file: its bytes, held once, and where each line starts. A line is a view
// into the bytes; CR LF, a lone CR or a lone LF ends a line and a final line break adds no empty
// line. Four bytes per line are kept, nothing is allocated per line.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "journal/file_bytes.h"

namespace ej {

class DayFile {
 public:
  explicit DayFile(std::unique_ptr<FileBytes> bytes);

  size_t LineCount() const { return starts_.size() - 1; }
  // The line without its line break; an empty line for an index past the end.
  std::string_view Line(size_t index) const;
  std::string_view Bytes() const { return bytes_->View(); }

 private:
  std::unique_ptr<FileBytes> bytes_;
  std::vector<uint32_t> starts_;  // start of every line, then the end of the text
};

// A contiguous run of lines of one day file.
class LineSpan {
 public:
  LineSpan() = default;
  LineSpan(const DayFile* file, uint32_t first, uint32_t count)
      : file_(file), first_(first), count_(count) {}

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // An empty line for an index past the end.
  std::string_view operator[](size_t index) const {
    return index < count_ ? file_->Line(first_ + index) : std::string_view();
  }
  uint32_t First() const { return first_; }

 private:
  const DayFile* file_ = nullptr;
  uint32_t first_ = 0;
  uint32_t count_ = 0;
};

}  // namespace ej
