#include "support/StoreFixture.h"

#include "platform/Utf.h"
#include "store/EmoticonRecord.h"
#include "store/LoginHash.h"
#include "store/Msn8Store.h"
#include "store/MsnObject.h"
#include "store/ProtectedTextFile.h"

#include <fstream>

namespace quillmere::test {

StoreFixture::StoreFixture() {
    std::filesystem::create_directories(roaming());
    std::filesystem::create_directories(local());
    m_profile = platform::PlatformProfile::detect(
        platform::Environment({{"HOME", m_folder.path().string()},
                               {"USER", "tester"},
                               {"WINEPREFIX", (m_folder / "no-prefix").string()},
                               {"APPDATA", roaming().string()},
                               {"LOCALAPPDATA", local().string()},
                               {"TMPDIR", m_folder.path().string()}}));
}

std::string StoreFixture::pictureBytes(int seed) {
    std::string bytes = "GIF89a";
    for (int i = 0; i < 40; ++i) {
        bytes.push_back(static_cast<char>((seed * 31 + i * 7) % 256));
    }
    return bytes;
}

std::filesystem::path StoreFixture::pre8Account(std::u16string_view login) const {
    const auto hash = store::LoginHash::GetLoginHash(login, m_profile->codePage());
    return roaming() / "Microsoft" / "MSN Messenger" / platform::pathFromUtf16(hash);
}

std::filesystem::path StoreFixture::writePre8Raw(std::u16string_view login,
                                                 std::u16string_view trfText,
                                                 std::u16string_view trfName) {
    const auto account = pre8Account(login);
    std::filesystem::create_directories(account / "CustomEmoticons");
    std::filesystem::create_directories(account / "MapFile");
    const std::string entropy = store::LoginHash::accountEntropy(login, m_profile->codePage());
    const auto protection = m_profile->dataProtection();
    store::ProtectedTextFile::write(account / "MapFile" / platform::pathFromUtf16(trfName), trfText,
                                    platform::asBytes(entropy), protection);
    const std::u16string mapObj = store::MsnObject::CreateMsnObj(
        account / "MapFile", trfName, 9, std::u16string(login), m_profile->codePage(), nullptr,
        store::MsnObjBuildWording::kSilent);
    store::ProtectedTextFile::write(account / "CustomEmoticons" / "map.dat", mapObj,
                                    platform::asBytes(entropy), protection);
    return account;
}

std::filesystem::path StoreFixture::writePre8Store(std::u16string_view login,
                                                   const std::vector<Emoticon>& emoticons) {
    const auto account = pre8Account(login);
    std::filesystem::create_directories(account / "CustomEmoticons");
    std::vector<store::EmoticonRecord> records;
    int n = 0;
    for (const auto& e : emoticons) {
        const std::u16string file = u"TFR" + platform::utf16FromUtf8(std::to_string(++n)) + u".dat";
        std::u16string msnObj =
            u"<msnobj Creator=\"x\" Size=\"1\" Type=\"2\" Location=\"" + file + u"\"/>";
        if (!e.pictureBytes.empty()) {
            std::ofstream(account / "CustomEmoticons" / platform::pathFromUtf16(file),
                          std::ios::binary)
                << e.pictureBytes;
            msnObj = store::MsnObject::CreateMsnObj(account / "CustomEmoticons", file, 2,
                                                    std::u16string(login), m_profile->codePage(),
                                                    nullptr, store::MsnObjBuildWording::kSilent);
        }
        records.emplace_back(e.shortcut, e.name, msnObj);
    }
    return writePre8Raw(login, store::toMapText(records));
}

std::filesystem::path StoreFixture::msn8Folder(std::u16string_view login) const {
    return local() / "Microsoft" / "Messenger" / platform::pathFromUtf16(login) / "ObjectStore" /
           "CustomEmoticons";
}

std::filesystem::path StoreFixture::writeMsn8Store(std::u16string_view login,
                                                   std::u16string_view puid,
                                                   const std::vector<Emoticon>& emoticons) {
    const auto folder = msn8Folder(login);
    std::filesystem::create_directories(folder);
    int n = 0;
    for (const auto& e : emoticons) {
        const std::string bytes =
            e.pictureBytes.empty() ? pictureBytes(1000 + ++n) : e.pictureBytes;
        const auto staging = folder / "staging.tmp";
        std::ofstream(staging, std::ios::binary) << bytes;
        const auto base =
            store::Msn8Store::dt2BaseName(store::Msn8Store::GetMsn8NewGifName(staging));
        const auto picture = folder / platform::pathFromUtf16(base + u".dt2");
        std::filesystem::rename(staging, picture);
        store::Msn8Store::WriteId2File(e.shortcut, e.name, picture, login, puid);
    }
    return folder;
}

}  // namespace quillmere::test
