#include "platform/DataProtection.h"
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
