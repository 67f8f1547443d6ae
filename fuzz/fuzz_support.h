#pragma once

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

// Shared by the fuzz targets: a scratch folder of their own and a check that stops the
// run with a message, so libFuzzer keeps the input that broke it.
namespace lumeta::fuzz {

inline const std::string& ScratchFolder() {
    // Never destroyed, so the clean-up at exit can still name it.
    static const std::string& folder = *new std::string([] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        const auto path = base / ("lumeta-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return path.string();
    }());
    return folder;
}

inline std::string ScratchFile(const std::string& name) {
    return ScratchFolder() + "/" + name;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

#define LUMETA_FUZZ_REQUIRE(condition)                                                   \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

}  // namespace lumeta::fuzz
