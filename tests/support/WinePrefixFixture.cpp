#include "support/WinePrefixFixture.h"

namespace quillmere::test {

namespace {

std::string regFile(std::string_view sections, std::string_view root) {
    return "WINE REGISTRY Version 2\n;; All keys relative to " + std::string(root) +
           "\n\n#arch=win32\n\n" + std::string(sections);
}

}  // namespace

WinePrefixFixture::WinePrefixFixture() {
    writeUserReg("");
    writeSystemReg("");
    std::filesystem::create_directories(m_folder / "drive_c");
}

void WinePrefixFixture::writeUserReg(std::string_view sections) const {
    m_folder.write("user.reg", regFile(sections, "\\\\User\\\\S-1-5-21-0-0-0-1000"));
}

void WinePrefixFixture::writeSystemReg(std::string_view sections) const {
    m_folder.write("system.reg", regFile(sections, "\\\\Machine"));
}

std::filesystem::path WinePrefixFixture::makeFolder(const std::filesystem::path& relative) const {
    const auto folder = m_folder / "drive_c" / relative;
    std::filesystem::create_directories(folder);
    return folder;
}

void WinePrefixFixture::linkDriveC() const {
    std::filesystem::create_directories(m_folder / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", m_folder / "dosdevices" / "c:");
}

}  // namespace quillmere::test
