#include "support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quillmere::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmere-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Tests take permissions away; give them back so that everything can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TempFolder::write(const std::filesystem::path& relative,
                                        std::string_view content) const {
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return file;
}

}  // namespace quillmere::test
