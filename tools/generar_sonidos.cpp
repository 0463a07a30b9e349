// Synthesises Tumbla's seven sound effects and writes them as 101.wav ..
// 107.wav (RIFF WAVE, PCM mono, 8-bit unsigned) into the folder given on the
// command line:
//
//   tumbla-generar-sonidos assets/sounds
//
// All arithmetic is integer (fixed point, our own sine and noise), so every
// compiler on every machine writes the very same bytes; a test checks the
// committed files against a fresh run.
//
// Each effect has the sample rate and the exact sample count the game's
// resource table gives it. Every envelope opens and closes softly, so no
// sound starts or stops with a click, and peaks stay well below full scale.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// ---- Fixed-point building blocks --------------------------------------------
// Samples and gains are Q15: 32768 stands for 1.0.
constexpr int32_t kUno = 32768;

// Sine of a phase that wraps at 2^32, in Q15. A parabola refined once
// (within about 0.1% of the true sine), in integers only.
int32_t Seno(uint32_t fase) {
  // x in Q15 over one half-wave: 0..32767, the sign from the top bit.
  const int32_t signo = (fase & 0x80000000u) ? -1 : 1;
  const int64_t x = (fase & 0x7FFFFFFFu) >> 16;        // 0..32767
  int64_t y = (4 * x * (kUno - x)) >> 15;              // 0..32768 parabola
  y = y + ((y * y >> 15) - y) * 7373 / kUno;           // 0.225 * (y^2 - y)
  return static_cast<int32_t>(signo * y);
}

// Phase step for a frequency in millihertz at a sample rate.
uint32_t Paso(int64_t milihercios, int64_t tasa) {
  return static_cast<uint32_t>((milihercios << 32) / (tasa * 1000));
}

// White noise from a fixed seed: Q15 in -32768..32767.
class Ruido {
 public:
  explicit Ruido(uint32_t semilla) : estado_(semilla) {}
  int32_t Siguiente() {
    estado_ ^= estado_ << 13;
    estado_ ^= estado_ >> 17;
    estado_ ^= estado_ << 5;
    return static_cast<int32_t>(estado_ >> 16) - 32768;
  }

 private:
  uint32_t estado_;
};

// Q15 envelope: a linear rise over `subida` samples, then a fall to silence
// at `fin` that is quadratic (a soft tail rather than a sudden stop).
int32_t Envolvente(int64_t i, int64_t subida, int64_t fin) {
  if (i < 0 || i >= fin) return 0;
  if (i < subida) return static_cast<int32_t>(i * kUno / subida);
  const int64_t resto = fin - i;            // samples left
  const int64_t largo = fin - subida;       // length of the fall
  return static_cast<int32_t>(resto * resto / largo * kUno / largo);
}

// Q15 bell: rises and falls like a quarter-sine arch over `largo` samples.
int32_t Campana(int64_t i, int64_t largo) {
  if (i < 0 || i >= largo) return 0;
  return Seno(static_cast<uint32_t>((static_cast<uint64_t>(i) << 31) / static_cast<uint64_t>(largo)));
}

int32_t Mult(int32_t a, int32_t b) { return static_cast<int32_t>((static_cast<int64_t>(a) * b) >> 15); }

// Fade over the last few milliseconds so every file ends exactly on silence.
void CerrarSuave(std::vector<int32_t>& muestras, int tasa) {
  const size_t largo = static_cast<size_t>(tasa / 200);  // 5 ms
  const size_t n = muestras.size();
  for (size_t k = 0; k < largo && k < n; ++k) {
    const size_t i = n - 1 - k;
    muestras[i] = static_cast<int32_t>(static_cast<int64_t>(muestras[i]) * static_cast<int64_t>(k) /
                                       static_cast<int64_t>(largo));
  }
}

// ---- The effects -----------------------------------------------------------
// Each returns Q15 samples; the writer scales them to 8 bits.

// 101: a knock on wood (an extra block drops in, a torpedo is fired): a
// short, low, fast-dying tone with a crack of noise, and a softer echo.
std::vector<int32_t> Golpe(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  Ruido ruido(0x1010u);
  auto golpe = [&](size_t inicio, int32_t fuerza) {
    uint32_t fase = 0, fase2 = 0;
    const int64_t largo = tasa * 11 / 100;  // 110 ms
    for (int64_t i = 0; i < largo && inicio + static_cast<size_t>(i) < n; ++i) {
      // Pitch drops from 260 Hz to 170 Hz as the knock dies.
      const int64_t mhz = 170000 + 90000 * (largo - i) / largo;
      fase += Paso(mhz, tasa);
      fase2 += Paso(mhz * 27 / 10, tasa);
      const int32_t tono = Seno(fase) + Seno(fase2) / 3;
      const int32_t env = Envolvente(i, tasa / 1000 + 1, largo);
      const int32_t chasquido = Mult(ruido.Siguiente(), Envolvente(i, 2, tasa / 100)) / 3;
      s[inicio + static_cast<size_t>(i)] += Mult(Mult(tono + chasquido, env), fuerza);
    }
  };
  golpe(0, kUno * 52 / 100);
  golpe(static_cast<size_t>(tasa * 13 / 100), kUno * 22 / 100);
  return s;
}

// 102: a cheerful rising jingle (a level is completed): five notes up the
// major chord, the last one ringing out.
std::vector<int32_t> Melodia(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  // Millihertz: C5 E5 G5 C6, then E6 held.
  const int64_t notas[] = {523251, 659255, 783991, 1046502, 1318510};
  const int64_t entrada[] = {0, 120, 240, 360, 520};   // ms
  const int64_t duracion[] = {260, 260, 260, 300, 740};  // ms
  for (int k = 0; k < 5; ++k) {
    const size_t inicio = static_cast<size_t>(tasa * entrada[k] / 1000);
    const int64_t largo = tasa * duracion[k] / 1000;
    uint32_t f1 = 0, f2 = 0, f3 = 0;
    for (int64_t i = 0; i < largo && inicio + static_cast<size_t>(i) < n; ++i) {
      f1 += Paso(notas[k], tasa);
      f2 += Paso(notas[k] * 2, tasa);
      f3 += Paso(notas[k] * 3 + 1500, tasa);  // a touch of shimmer
      const int32_t tono = Seno(f1) / 2 + Seno(f2) / 5 + Seno(f3) / 12;
      const int32_t env = Envolvente(i, tasa * 6 / 1000, largo);
      s[inicio + static_cast<size_t>(i)] += Mult(tono, env) * 3 / 4;
    }
  }
  return s;
}

// 103: a short, dull thud (a piece lands).
std::vector<int32_t> Impacto(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  Ruido ruido(0x1030u);
  uint32_t fase = 0;
  int32_t filtrado = 0;
  const auto largo = static_cast<int64_t>(n);
  for (int64_t i = 0; i < largo; ++i) {
    // 150 Hz falling to 70 Hz.
    fase += Paso(70000 + 80000 * (largo - i) / largo, tasa);
    filtrado += (ruido.Siguiente() - filtrado) / 8;  // dark noise
    const int32_t env = Envolvente(i, tasa * 2 / 1000, largo);
    s[static_cast<size_t>(i)] = Mult(Seno(fase) * 3 / 4 + filtrado / 2, env) * 3 / 5;
  }
  return s;
}

// 104: a long falling tone (the level is lost), with a slow wobble.
std::vector<int32_t> Caida(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  uint32_t fase = 0, fase3 = 0, vibrato = 0;
  const auto largo = static_cast<int64_t>(n);
  for (int64_t i = 0; i < largo; ++i) {
    // 620 Hz down to 110 Hz, faster at the start.
    const int64_t resto = largo - i;
    const int64_t mhz = 110000 + 510000 * resto / largo * resto / largo;
    vibrato += Paso(6000, tasa);
    const int64_t temblor = mhz * Seno(vibrato) / kUno / 40;  // +-2.5%
    fase += Paso(mhz + temblor, tasa);
    fase3 += Paso((mhz + temblor) * 3, tasa);
    const int32_t tono = Seno(fase) * 2 / 3 + Seno(fase3) / 6;
    int32_t env = kUno;
    if (i < tasa / 100) env = static_cast<int32_t>(i * kUno / (tasa / 100));
    const int64_t cola = tasa * 25 / 100;  // last 250 ms fade out
    if (resto < cola) env = Mult(env, static_cast<int32_t>(resto * kUno / cola));
    s[static_cast<size_t>(i)] = Mult(tono, env) * 3 / 5;
  }
  return s;
}

// 105: a whoosh (the board turns): noise through a low-pass filter that
// opens and closes again under a bell-shaped swell, as air rushing past.
std::vector<int32_t> Soplido(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  Ruido ruido(0x1050u);
  int32_t bajo = 0, banda = 0;
  const auto largo = static_cast<int64_t>(n);
  for (int64_t i = 0; i < largo; ++i) {
    const int32_t arco = Campana(i, largo);
    // A state-variable filter; its cutoff rises from 200 Hz to 2400 Hz and
    // falls back. The coefficient is 2*pi*fc/rate in Q15.
    const int64_t hercios = 200 + 2200 * static_cast<int64_t>(arco) / kUno;
    const auto corte = static_cast<int32_t>(205887 * hercios / tasa);
    bajo += Mult(banda, corte);
    const int32_t alto = ruido.Siguiente() - bajo - Mult(banda, 26000);
    banda += Mult(alto, corte);
    s[static_cast<size_t>(i)] = Mult(Mult(bajo, arco), kUno / 2);
  }
  return s;
}

// 106: a plip (the drop falls a cell): a round note that bends upwards as
// it fades, followed by two smaller ripples.
std::vector<int32_t> Gota(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  auto plip = [&](size_t inicio, int64_t desde, int64_t hasta, int64_t ms, int32_t fuerza) {
    uint32_t fase = 0;
    const int64_t largo = tasa * ms / 1000;
    for (int64_t i = 0; i < largo && inicio + static_cast<size_t>(i) < n; ++i) {
      // The bend is quick at first, as a drop's is.
      const int64_t avance = kUno - static_cast<int64_t>(Envolvente(i, 1, largo / 2 + 1));
      fase += Paso(desde + (hasta - desde) * avance / kUno, tasa);
      const int32_t env = Envolvente(i, tasa * 3 / 1000, largo);
      s[inicio + static_cast<size_t>(i)] += Mult(Mult(Seno(fase), env), fuerza);
    }
  };
  plip(0, 700000, 1500000, 120, kUno * 6 / 10);
  plip(static_cast<size_t>(tasa * 20 / 100), 900000, 1700000, 90, kUno * 22 / 100);
  plip(static_cast<size_t>(tasa * 38 / 100), 1000000, 1800000, 80, kUno * 9 / 100);
  return s;
}

// 107: a bright upward sweep (a row is cleared), with a soft hiss that
// follows it.
std::vector<int32_t> Barrido(int tasa, size_t n) {
  std::vector<int32_t> s(n, 0);
  Ruido ruido(0x1070u);
  uint32_t fase = 0, fase2 = 0;
  int32_t suave = 0;
  const auto largo = static_cast<int64_t>(n);
  for (int64_t i = 0; i < largo; ++i) {
    // 300 Hz up to 1800 Hz, slowing towards the top.
    const int64_t hecho = i * kUno / largo;  // Q15 progress
    const int64_t curva = hecho * (2 * kUno - hecho) / kUno;
    const int64_t mhz = 300000 + 1500000 * curva / kUno;
    fase += Paso(mhz, tasa);
    fase2 += Paso(mhz * 2 + 3000, tasa);
    suave += (ruido.Siguiente() - suave) / 3;
    const int32_t tono = Seno(fase) / 2 + Seno(fase2) / 6 + Mult(suave, static_cast<int32_t>(hecho)) / 6;
    const int32_t env = Envolvente(i, tasa * 30 / 1000, largo);
    s[static_cast<size_t>(i)] = Mult(tono, env);
  }
  return s;
}

// ---- Writing ---------------------------------------------------------------

struct Efecto {
  int id;
  int tasa;
  size_t muestras;
  std::vector<int32_t> (*sintetizar)(int, size_t);
};

void Poner16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v & 0xFF));
  b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
void Poner32(std::vector<uint8_t>& b, uint32_t v) {
  Poner16(b, v & 0xFFFF);
  Poner16(b, v >> 16);
}
void PonerTexto(std::vector<uint8_t>& b, const char* t) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i]));
}

std::vector<uint8_t> Wav(const Efecto& efecto) {
  std::vector<int32_t> muestras = efecto.sintetizar(efecto.tasa, efecto.muestras);
  CerrarSuave(muestras, efecto.tasa);

  const auto datos = static_cast<uint32_t>(muestras.size());
  const uint32_t relleno = datos & 1u;  // chunks are word-aligned
  std::vector<uint8_t> b;
  PonerTexto(b, "RIFF");
  Poner32(b, 4 + (8 + 16) + (8 + datos + relleno));
  PonerTexto(b, "WAVE");
  PonerTexto(b, "fmt ");
  Poner32(b, 16);
  Poner16(b, 1);                                  // PCM
  Poner16(b, 1);                                  // mono
  Poner32(b, static_cast<uint32_t>(efecto.tasa)); // samples per second
  Poner32(b, static_cast<uint32_t>(efecto.tasa)); // bytes per second
  Poner16(b, 1);                                  // block align
  Poner16(b, 8);                                  // bits per sample
  PonerTexto(b, "data");
  Poner32(b, datos);
  for (int32_t m : muestras) {
    // Q15 to unsigned 8-bit, rounded to nearest, 128 being silence.
    int32_t v = 128 + ((m + (m >= 0 ? 128 : -128)) / 256);
    if (v < 1) v = 1;
    if (v > 255) v = 255;
    b.push_back(static_cast<uint8_t>(v));
  }
  if (relleno) b.push_back(0);
  return b;
}

const Efecto kEfectos[] = {
    {101, 11025, 2981, Golpe},   {102, 22050, 28004, Melodia}, {103, 22050, 1546, Impacto},
    {104, 11025, 8719, Caida},   {105, 22050, 6028, Soplido},  {106, 22050, 13947, Gota},
    {107, 22050, 13682, Barrido},
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
    return 2;
  }
  const std::string carpeta = argv[1];
  for (const Efecto& efecto : kEfectos) {
    const std::vector<uint8_t> bytes = Wav(efecto);
    const std::string ruta = carpeta + "/" + std::to_string(efecto.id) + ".wav";
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) {
      std::fprintf(stderr, "no se puede escribir %s\n", ruta.c_str());
      return 1;
    }
    const bool bien = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !bien) {
      std::fprintf(stderr, "error al escribir %s\n", ruta.c_str());
      return 1;
    }
  }
  return 0;
}
