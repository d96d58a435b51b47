#pragma once

#include <filesystem>

namespace quillmere::services {

// The web client's trace: an empty "Trace.txt" beside the program, created (or emptied) when a
// client is built. Tracing stays off, so nothing more is written.
class CTrace {
  public:
    CTrace();

    const std::filesystem::path& path() const { return m_path; }
    bool isOn() const { return m_on; }

  private:
    std::filesystem::path m_path;
    bool m_on = false;
};

}  // namespace quillmere::services
