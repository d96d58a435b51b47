#pragma once

#include "platform/Bytes.h"

#include <filesystem>
#include <string>

namespace quillmere::test {

std::filesystem::path dataFile(const std::filesystem::path& relative);
platform::Bytes readBytes(const std::filesystem::path& file);

}  // namespace quillmere::test
