#pragma once

#include "support/TempFolder.h"

#include <string>

namespace quillmere::test {

// A Wine prefix laid out by hand: user.reg, system.reg and drive_c with one user's folders.
class WinePrefixFixture {
  public:
    WinePrefixFixture();

    const std::filesystem::path& path() const { return m_folder.path(); }

    // user.reg with the given key sections after Wine's header.
    void writeUserReg(std::string_view sections) const;
    void writeSystemReg(std::string_view sections) const;
    // Creates drive_c/<relative> as a folder and returns it.
    std::filesystem::path makeFolder(const std::filesystem::path& relative) const;
    // dosdevices/c: as Wine makes it: a link to ../drive_c.
    void linkDriveC() const;

  private:
    TempFolder m_folder;
};

}  // namespace quillmere::test
