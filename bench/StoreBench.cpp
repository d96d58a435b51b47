#include "platform/DataProtection.h"
#include "platform/Utf.h"
#include "store/MapText.h"
#include "store/ProtectedTextFile.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmere;

std::u16string mapTextOf(int records) {
    std::vector<store::EmoticonRecord> list;
    for (int i = 0; i < records; ++i) {
        const std::u16string n(1, static_cast<char16_t>(u'A' + i % 26));
        list.emplace_back(u":" + n + u")", u"name " + n,
                          u"<msnobj Creator=\"kim\" Size=\"1234\" Type=\"2\" Location=\"TFR" + n +
                              u".dat\" Friendly=\"AAA=\" SHA1D=\"abcdefghijklmnopqrstuvwxyz0=\"/>");
    }
    return store::toMapText(list);
}

// Splitting the TRF text of a large store.
void BM_SplitMapText(benchmark::State& state) {
    const std::u16string text = mapTextOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        size_t count = 0;
        store::splitMapText(text, [&](store::EmoticonRecord&&) {
            ++count;
            return store::RecordStep::Continue;
        });
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_SplitMapText)->Arg(1000);

// Unprotecting and unwrapping a TRF file's blob.
void BM_UnprotectTrf(benchmark::State& state) {
    const platform::DataProtection protection({"bob"});
    const auto entropy = platform::asBytes("kim");
    const auto blob = *protection.CryptProtectData(
        store::ProtectedTextFile::wrap(mapTextOf(static_cast<int>(state.range(0)))), u"", entropy);
    for (auto _ : state) {
        const auto plain = protection.CryptUnprotectData(blob, entropy);
        benchmark::DoNotOptimize(store::ProtectedTextFile::unwrap(*plain));
    }
}
BENCHMARK(BM_UnprotectTrf)->Arg(1000);

}  // namespace

#include "app/UserDialogs.h"
#include "app/WizardState.h"
#include "platform/PlatformProfile.h"
#include "resources/StringTable.h"
#include "store/IconListLoader.h"
#include "store/Msn8Store.h"

#include <fstream>

namespace {

struct SilentDialogs : quillmere::app::UserDialogs {
    void MessageBox(std::u16string_view, std::u16string_view, Icon) override {}
    bool AskYesNo(std::u16string_view, std::u16string_view, Icon) override { return false; }
    std::optional<std::u16string> SaveFileName(std::u16string_view, std::u16string_view) override {
        return std::nullopt;
    }
};

// Listing a Messenger 8 store of 1000 emoticons, the key derived per file, pictures not decoded.
void BM_ListMessenger8Store(benchmark::State& state) {
    using namespace quillmere;
    const auto root = std::filesystem::temp_directory_path() / "quillmere-bench-m8";
    std::filesystem::remove_all(root);
    const auto local = root / "local";
    const auto folder = local / "Microsoft/Messenger/kim@example.com/ObjectStore/CustomEmoticons";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 1000; ++i) {
        const auto picture = folder / ("picture" + std::to_string(i) + ".dt2");
        std::ofstream(picture, std::ios::binary) << "GIF89a" << i;
        store::Msn8Store::WriteId2File(u"s" + platform::utf16FromUtf8(std::to_string(i)), u"name",
                                       picture, u"kim@example.com", u"0006bffd8c1a7a2c");
    }
    const auto profile =
        platform::PlatformProfile::detect(platform::Environment(std::map<std::string, std::string>{
            {"HOME", root.string()}, {"WINEPREFIX", "/none"}, {"LOCALAPPDATA", local.string()}}));
    const resources::StringTable strings;
    SilentDialogs dialogs;
    for (auto _ : state) {
        app::WizardState wizard;
        wizard.setLoginName(u"kim@example.com");
        wizard.setMsn8(true);
        wizard.setPuid(u"0006bffd8c1a7a2c");
        store::IconListLoader loader(wizard, *profile, dialogs, strings,
                                     [] { return std::make_unique<image::PicturePathOnly>(); });
        loader.LoadEmotionIconsFromMSN8();
        if (loader.list().m_IconListVector.size() != 1000) {
            state.SkipWithError("the store did not list");
        }
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_ListMessenger8Store)->Unit(benchmark::kMillisecond);

}  // namespace
