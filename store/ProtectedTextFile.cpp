#include "store/ProtectedTextFile.h"

#include "platform/Utf.h"
#include "store/Base64.h"

#include <fstream>
#include <stdexcept>

namespace quillmere::store {

namespace {

platform::Bytes readHead(const std::filesystem::path& path, std::uintmax_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    platform::Bytes bytes;
    char buffer[16384];
    while (bytes.size() < limit && in) {
        const auto want = std::min<std::uintmax_t>(sizeof(buffer), limit - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    }
    if (in.bad()) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return bytes;
}

}  // namespace

ProtectedReadResult ProtectedTextFile::read(const std::filesystem::path& path,
                                            platform::ByteView entropy,
                                            const platform::DataProtection& protection,
                                            SizeLimit limit) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        return {ProtectedReadFailure::Missing, {}};
    }
    if (std::filesystem::is_directory(status)) {
        throw std::runtime_error(path.string() + " is a folder");
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && !limit.truncates && size > limit.bytes) {
        throw std::runtime_error(path.string() + " is too large");
    }
    const platform::Bytes bytes = readHead(path, limit.bytes);
    if (bytes.empty()) {
        return {ProtectedReadFailure::Empty, {}};
    }
    const platform::ByteView blob =
        platform::ByteView(bytes).subspan(std::min<size_t>(2, bytes.size()));
    const std::optional<platform::Bytes> plain = protection.CryptUnprotectData(blob, entropy);
    if (!plain) {
        return {ProtectedReadFailure::Refused, {}};
    }
    return {ProtectedReadFailure::None, unwrap(*plain)};
}

ProtectedWriteResult ProtectedTextFile::write(const std::filesystem::path& path,
                                              std::u16string_view text, platform::ByteView entropy,
                                              const platform::DataProtection& protection) {
    const std::optional<platform::Bytes> blob =
        protection.CryptProtectData(wrap(text), u"", entropy);
    if (!blob) {
        return ProtectedWriteResult::ProtectRefused;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const char header[2] = {0x03, 0x04};
    out.write(header, 2);
    out.write(reinterpret_cast<const char*>(blob->data()),
              static_cast<std::streamsize>(blob->size()));
    out.close();
    return out ? ProtectedWriteResult::Written : ProtectedWriteResult::WriteFailed;
}

platform::Bytes ProtectedTextFile::wrap(std::u16string_view text) {
    platform::Bytes utf16 = platform::utf16leBytes(text);
    utf16.push_back(0);
    utf16.push_back(0);
    const std::string wrapped = Base64::encode(utf16);
    platform::Bytes out(wrapped.begin(), wrapped.end());
    out.push_back(0);
    return out;
}

std::u16string ProtectedTextFile::unwrap(platform::ByteView plain) {
    const platform::Bytes decoded =
        Base64::decode(std::string_view(reinterpret_cast<const char*>(plain.data()), plain.size()));
    std::u16string text;
    text.reserve(decoded.size() / 2);
    for (size_t i = 0; i + 1 < decoded.size(); i += 2) {
        const auto unit = static_cast<char16_t>(decoded[i] | decoded[i + 1] << 8);
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

}  // namespace quillmere::store
