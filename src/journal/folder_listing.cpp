#include "journal/folder_listing.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ej {
namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

bool IsHidden(const std::filesystem::directory_entry& entry) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(entry.path().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
  return entry.path().filename().string().starts_with('.');
#endif
}

// Every entry of the folder with its name, in listing order.
struct Entry {
  std::filesystem::directory_entry entry;
  std::string name;
};

std::vector<Entry> ListEntries(const std::filesystem::path& folder) {
  std::vector<Entry> entries;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return entries;
  for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(error)) {
    if (error) break;
    entries.push_back({*it, it->path().filename().string()});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return CompareEntryNames(a.name, b.name) < 0;
  });
  return entries;
}

bool IsFolder(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  return entry.is_directory(error);
}

}  // namespace

int CompareEntryNames(std::string_view a, std::string_view b) {
  // NTFS compares upper-cased names, so "_" (0x5F) lists after "A" but before "a".
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(UpperAscii(a[i]));
    const auto y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

std::vector<std::filesystem::path> ListSubfolders(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> folders;
  for (const Entry& e : ListEntries(folder)) {
    if (IsFolder(e.entry) && !IsHidden(e.entry)) folders.push_back(e.entry.path());
  }
  return folders;
}

std::vector<std::filesystem::path> ListFilesWithExtension(const std::filesystem::path& folder,
                                                         std::string_view extension) {
  std::vector<std::filesystem::path> files;
  for (const Entry& e : ListEntries(folder)) {
    const std::string_view name = e.name;
    if (name.size() < extension.size() ||
        !EqualIgnoringCase(name.substr(name.size() - extension.size()), extension)) {
      continue;
    }
    if (!IsFolder(e.entry)) files.push_back(e.entry.path());
  }
  return files;
}

std::filesystem::path FindEntryIgnoringCase(const std::filesystem::path& folder,
                                            std::string_view name) {
  std::error_code error;
  const std::filesystem::path exact = folder / std::string(name);
  if (std::filesystem::exists(exact, error)) return exact;
  for (const Entry& e : ListEntries(folder)) {
    if (EqualIgnoringCase(e.name, name)) return e.entry.path();
  }
  return {};
}

}  // namespace ej
