// Our stand-in for the Windows directory listing. Entries come in the order the Windows file
// system of the journal's users (NTFS) lists them: by name with letter case ignored, ties by
// the exact name. Hidden entries are those whose name starts with "." (on Windows: the hidden
// or system attribute).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ej {

// Negative, zero or positive as `a` lists before, with or after `b`.
int CompareEntryNames(std::string_view a, std::string_view b);

// Full paths of the folder's sub-folders that are not hidden. An unreadable or missing folder
// lists nothing.
std::vector<std::filesystem::path> ListSubfolders(const std::filesystem::path& folder);

// Full paths of the folder's entries that are not folders and whose name matches "*.EXT" with
// letter case ignored (`extension` is given with its dot, ".day"); hidden ones included.
std::vector<std::filesystem::path> ListFilesWithExtension(const std::filesystem::path& folder,
                                                         std::string_view extension);

// The entry named exactly `name` in the folder when it exists, otherwise the first entry whose
// name matches it with letter case ignored; an empty path when there is none.
std::filesystem::path FindEntryIgnoringCase(const std::filesystem::path& folder,
                                            std::string_view name);

}  // namespace ej
