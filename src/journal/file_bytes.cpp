#include "journal/file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "common/journal_error.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define EJ_HAVE_MMAP 1
#endif

namespace ej {
namespace {

class BufferBytes : public FileBytes {
 public:
  explicit BufferBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view View() const override { return bytes_; }

 private:
  std::string bytes_;
};

[[noreturn]] void FailToOpen(const std::filesystem::path& path, int error) {
  throw JournalError("Cannot open file \"" + path.string() + "\". " + std::strerror(error),
                     path.string());
}

std::unique_ptr<FileBytes> ReadIntoBuffer(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) FailToOpen(path, errno ? errno : ENOENT);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  std::string bytes(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0 && !in.read(bytes.data(), size)) FailToOpen(path, errno ? errno : EIO);
  return std::make_unique<BufferBytes>(std::move(bytes));
}

#ifdef EJ_HAVE_MMAP
class MappedBytes : public FileBytes {
 public:
  MappedBytes(void* data, size_t size) : data_(data), size_(size) {}
  ~MappedBytes() override { munmap(data_, size_); }
  std::string_view View() const override { return {static_cast<const char*>(data_), size_}; }

 private:
  void* data_;
  size_t size_;
};

std::unique_ptr<FileBytes> MapFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) FailToOpen(path, errno);
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    const int error = errno;
    close(fd);
    FailToOpen(path, error);
  }
  const auto size = static_cast<size_t>(info.st_size);
  if (size == 0) {
    close(fd);
    return MakeFileBytes({});
  }
  int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
  flags |= MAP_POPULATE;
#endif
  void* data = mmap(nullptr, size, PROT_READ, flags, fd, 0);
  close(fd);
  // A file that cannot be mapped (a special file system, say) is still read into a buffer.
  if (data == MAP_FAILED) return ReadIntoBuffer(path);
  return std::make_unique<MappedBytes>(data, size);
}
#endif

}  // namespace

std::unique_ptr<FileBytes> MakeFileBytes(std::string bytes) {
  return std::make_unique<BufferBytes>(std::move(bytes));
}

std::unique_ptr<FileBytes> ReadFileBytes(const std::filesystem::path& path, FileReadMode mode) {
#ifdef EJ_HAVE_MMAP
  if (mode == FileReadMode::kMap) return MapFile(path);
#else
  (void)mode;
#endif
  return ReadIntoBuffer(path);
}

FileReadMode DefaultReadMode() {
#ifdef EJ_HAVE_MMAP
  return FileReadMode::kMap;
#else
  return FileReadMode::kBuffer;
#endif
}

}  // namespace ej
