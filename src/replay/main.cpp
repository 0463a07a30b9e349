// tumbla-replay SCRIPT|-: plays a replay script against the game core, with
// no window, and writes its report to standard output.
#include <iostream>

#include "replay/EjecutorGuion.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tumbla-replay SCRIPT (or - for standard input)\n";
    return 2;
  }
  return tumbla::EjecutarGuion(argv[1], std::cout, std::cerr);
}
