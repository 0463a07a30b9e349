// The state block that the script's `dump` writes: the level, the flow
// flags, the piece, score, counters, timers, labels, shutter, extra minutes,
// the settings file's keys and the 25 rows of the board, then "end".
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tumbla {

class Juego;

// The keys of section OROKORRA of a settings file, as stored, in file order
// (empty when the file or the section is missing).
std::vector<std::pair<std::string, std::string>> ClavesOrokorra(const std::filesystem::path& ini);

void EscribirVolcado(std::ostream& informe, const Juego& juego, const std::filesystem::path& ini);

}  // namespace tumbla
