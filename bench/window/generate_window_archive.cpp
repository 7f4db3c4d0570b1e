// Writes a synthetic "archive.dat" of all twenty categories for the window benchmark.
//
//   generate_window_archive ITEMS PATH [SEED]
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "archive_generator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ITEMS PATH [SEED]\n", argv[0]);
        return 2;
    }
    ArchiveShape shape;
    shape.items = std::strtoul(argv[1], nullptr, 10);
    shape.seed =
        argc > 3 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 20261207U;
    const std::string text = generate_archive(shape);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return out ? 0 : 1;
}
