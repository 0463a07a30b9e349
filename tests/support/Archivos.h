// Whole-file reads and writes for tests that look at the files the game
// writes (settings, help document).
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tumbla {

inline std::string Contenido(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void Guardar(const std::filesystem::path& ruta, const std::string& texto) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f << texto;
}

}  // namespace tumbla
