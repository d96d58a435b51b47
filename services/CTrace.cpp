#include "services/CTrace.h"

#include <fstream>

namespace quillmere::services {

CTrace::CTrace() {
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return;
    }
    m_path = program.parent_path() / "Trace.txt";
    // A program folder that cannot be written to just has no trace file.
    std::ofstream(m_path, std::ios::trunc);
}

}  // namespace quillmere::services
