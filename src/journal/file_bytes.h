// The bytes of one file, read once and held for as long as the model needs them. Two ways of
// holding them sit behind one small interface: a buffer filled by one read, or a read-only
// mapping of the file where the platform offers one.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace ej {

class FileBytes {
 public:
  virtual ~FileBytes() = default;
  virtual std::string_view View() const = 0;
};

enum class FileReadMode { kBuffer, kMap };

// Throws JournalError "Cannot open file "PATH". REASON" when the file cannot be read.
std::unique_ptr<FileBytes> ReadFileBytes(const std::filesystem::path& path, FileReadMode mode);

// Bytes already in memory (tests, generated text).
std::unique_ptr<FileBytes> MakeFileBytes(std::string bytes);

// The read mode that indexing uses unless told otherwise.
FileReadMode DefaultReadMode();

}  // namespace ej
