// Card folders of the report folder: the folder-name rule, the card history and its medium
// status, and the scan that groups card folders into registers.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "journal/card.h"

namespace ej {

// The base (the folder name without its last extension) must be three letters A to Z and
// eight digits; on success `ecrId` is the base with a blank before the digits.
bool ParseEcrFolderName(std::string_view base, std::string& ecrId);

// Appends the centred medium status ("NOŚNIK OTWARTY" when the last "DO RAPORTU:" line ends in
// a dash, else "NOŚNIK ZAMKNIĘTY") and the centred dash rule.
// REQUIRES: history is not empty.
void AppendMediumStatus(std::vector<std::string>& history);

// A card of the folder at `path`, with the lines of its Historia.dat and the medium status when
// the file exists. Throws JournalError when the history cannot be read.
std::unique_ptr<TSDCard> LoadCard(std::string cardNumber, const std::filesystem::path& path);

// Appends a register for every new register ID of the report folder and its cards to
// `registry`, in listing order. Throws JournalError when a history cannot be read; what was
// appended before stays.
void ScanReportFolder(const std::filesystem::path& folder,
                      std::vector<std::unique_ptr<TECR>>& registry);

}  // namespace ej
