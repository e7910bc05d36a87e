#include "journal/day_file.h"

#include <cstring>

#include "common/journal_error.h"

namespace ej {

DayFile::DayFile(std::unique_ptr<FileBytes> bytes) : bytes_(std::move(bytes)) {
  const std::string_view text = bytes_->View();
  if (text.size() >= UINT32_MAX) throw JournalError("Day file too large");
  starts_.reserve(text.size() / 40 + 2);
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  starts_.push_back(0);
  for (const char* p = begin; p < end; ++p) {
    // Jump to the next CR or LF; memchr for LF is the fast path of CR LF text.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    const char* stop = lf ? lf : end;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(stop - p)));
    if (cr != nullptr && cr + 1 != lf) {
      p = cr;  // a lone CR ends the line
    } else if (lf != nullptr) {
      p = lf;
    } else {
      break;
    }
    starts_.push_back(static_cast<uint32_t>(p + 1 - begin));
  }
  if (starts_.back() != text.size()) starts_.push_back(static_cast<uint32_t>(text.size()));
}

std::string_view DayFile::Line(size_t index) const {
  if (index + 1 >= starts_.size()) return {};
  const std::string_view text = bytes_->View();
  size_t begin = starts_[index];
  size_t end = starts_[index + 1];
  if (end > begin && text[end - 1] == '\n') {
    --end;
    if (end > begin && text[end - 1] == '\r') --end;
  } else if (end > begin && text[end - 1] == '\r') {
    --end;
  }
  return text.substr(begin, end - begin);
}

}  // namespace ej
