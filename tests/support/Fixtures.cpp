#include "support/Fixtures.h"

#include "TestPaths.h"

#include <fstream>
#include <iterator>

namespace quillmere::test {

std::filesystem::path dataFile(const std::filesystem::path& relative) {
    return std::filesystem::path(kTestDataDir) / relative;
}

platform::Bytes readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return platform::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillmere::test
