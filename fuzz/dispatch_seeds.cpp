// Writes the seed inputs of dispatch_fuzz into a folder:
//   dispatch_fuzz_seeds DIR && dispatch_fuzz DIR

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "seated_client.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    for (const vantry::fuzz::Seed& seed : vantry::fuzz::SeedInputs()) {
        std::ofstream out(dir / ("seed_" + seed.name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()),
                  static_cast<std::streamsize>(seed.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", (dir / seed.name).c_str());
            return 1;
        }
    }
    return 0;
}
