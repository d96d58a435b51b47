#include "store/MsnObject.h"

#include "platform/Sha1.h"
#include "platform/Utf.h"
#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"
#include "store/Base64.h"

#include <fstream>
#include <iterator>

namespace quillmere::store {

namespace {

constexpr std::string_view kShaPrefix = "{SHA}";

std::u16string ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

std::optional<platform::Bytes> readWhole(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    platform::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::u16string sha1dOf(platform::ByteView bytes) {
    return ascii(MsnObject::withoutShaPrefix(MsnObject::Sha1Base64(bytes)));
}

}  // namespace

const MsnObjBuildWording MsnObjBuildWording::kSilent{};

std::string MsnObject::Sha1Base64(platform::ByteView bytes) {
    const platform::Sha1Digest digest = platform::Sha1::of(bytes);
    return std::string(kShaPrefix) + Base64::encode(digest);
}

std::string MsnObject::withoutShaPrefix(std::string text) {
    if (text.starts_with(kShaPrefix)) {
        text.erase(0, kShaPrefix.size());
    }
    return text;
}

std::optional<std::u16string> MsnObject::fileSha1D(const std::filesystem::path& file) {
    const auto bytes = readWhole(file);
    return bytes ? std::optional<std::u16string>(sha1dOf(*bytes)) : std::nullopt;
}

std::u16string MsnObject::fullForm(std::u16string_view creator, long long size, long type,
                                   std::u16string_view location, std::u16string_view sha1d,
                                   platform::CodePage codePage) {
    using services::formatText;
    const std::u16string check = formatText(u"Creator%sSize%iType%iLocation%sFriendlyAAA=SHA1D%s",
                                            {creator, size, type, location, sha1d});
    const std::string checkBytes = codePage.toAnsi(check);
    const std::u16string sha1c = ascii(withoutShaPrefix(Sha1Base64(platform::asBytes(checkBytes))));
    return formatText(
        u"<msnobj Creator=\"%s\" Size=\"%i\" Type=\"%i\" Location=\"%s\" Friendly=\"AAA=\" "
        u"SHA1D=\"%s\" SHA1C=\"%s\"/>",
        {creator, size, type, location, sha1d, sha1c});
}

std::u16string MsnObject::CreateMsnObj(const std::filesystem::path& folder,
                                       std::u16string_view fileName, long type,
                                       std::u16string_view creator, platform::CodePage codePage,
                                       const services::CQuiLoggerBase* log,
                                       const MsnObjBuildWording& wording) {
    auto say = [log](std::u16string_view line) {
        if (log != nullptr && !line.empty()) {
            log->debug(line);
        }
    };
    say(wording.start);
    const auto bytes = readWhole(folder / platform::pathFromUtf16(fileName));
    if (!bytes) {
        say(wording.caught);
        return {};
    }
    std::u16string result = fullForm(creator, static_cast<long long>(bytes->size()), type, fileName,
                                     sha1dOf(*bytes), codePage);
    say(wording.leaving);
    return result;
}

std::u16string MsnObject::messenger8Form(std::u16string_view creator,
                                         const std::filesystem::path& picture,
                                         std::u16string_view friendlyName) {
    const auto bytes = readWhole(picture);
    const std::u16string sha1d = bytes ? sha1dOf(*bytes) : std::u16string();
    const long long size = bytes ? static_cast<long long>(bytes->size()) : 0;
    platform::Bytes name = platform::utf16leBytes(friendlyName);
    name.push_back(0);
    name.push_back(0);
    return services::formatText(
        u"<msnobj Creator=\"%s\" Type=\"2\" SHA1D=\"%s\" Size=\"%i\" Location=\"0\" "
        u"Friendly=\"%s\"/>",
        {creator, sha1d, size, ascii(Base64::encode(name))});
}

}  // namespace quillmere::store
