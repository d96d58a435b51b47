#include "support/PictureFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace quillmere::cli {
namespace {

struct Result {
    int status;
    std::string output;
};

Result run(const std::string& arguments) {
    std::string output;
    FILE* pipe = popen((std::string(QUILLMERE_CLI_PATH) + " " + arguments + " 2>&1").c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        output.append(buffer.data(), n);
    }
    return {WEXITSTATUS(pclose(pipe)), output};
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

TEST(ConvertCommand, PrintsTheOutcomeAndExitsAccordingly) {
    test::TempFolder folder;
    test::writePng(folder / "p.png", 80, 40, [](int, int) { return image::Rgb{0, 0, 255}; });
    const auto written =
        run("convert --fit aspect " + quoted(folder / "p.png") + " " + quoted(folder / "out.gif"));
    EXPECT_EQ(written.output, "written\n");
    EXPECT_EQ(written.status, 0);
    const auto gif = test::inspectGif(folder / "out.gif");
    EXPECT_EQ(gif.screenWidth, 50);
    EXPECT_EQ(gif.screenHeight, 25);
    EXPECT_EQ(test::inspectGif(folder / "out.gif").frames.size(), 1u);

    const auto text = folder.write("text.gif", "no picture");
    EXPECT_EQ(run("convert " + quoted(text) + " " + quoted(folder / "t.gif")).output,
              "not decodable\n");
    EXPECT_EQ(run("convert " + quoted(text) + " " + quoted(folder / "t.gif")).status, 1);
    const auto cannot =
        run("convert " + quoted(folder / "p.png") + " " + quoted(folder / "no/dir/x.gif"));
    EXPECT_EQ(cannot.output, "cannot write\n");
    EXPECT_EQ(cannot.status, 1);
    EXPECT_EQ(run("convert --fit wide a b").status, 2);
    EXPECT_EQ(run("convert onlyone").status, 2);
}

TEST(MsnObjCommand, PrintsBothForms) {
    test::TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 1430; ++i) {
        bytes.push_back(static_cast<char>(i % 251));
    }
    const auto file = folder.write("TFR2C.dat", bytes);
    const auto full = run("msnobj --creator kim " + quoted(file));
    EXPECT_EQ(full.status, 0);
    EXPECT_EQ(
        full.output,
        "<msnobj Creator=\"kim\" Size=\"1430\" Type=\"2\" Location=\"TFR2C.dat\" Friendly=\"AAA=\" "
        "SHA1D=\"OIi+oB7CTCnggHF/HimD7G4Z2VE=\" SHA1C=\"btZ6F2VCw6mtRoJZBq8s+5oIqQI=\"/>\n");
    EXPECT_NE(run("msnobj --type 9 --creator Kim " + quoted(file)).output.find("Type=\"9\""),
              std::string::npos);
    EXPECT_EQ(
        run("msnobj --m8 --creator kim --name Kim " + quoted(file)).output,
        "<msnobj Creator=\"kim\" Type=\"2\" SHA1D=\"OIi+oB7CTCnggHF/HimD7G4Z2VE=\" Size=\"1430\" "
        "Location=\"0\" Friendly=\"SwBpAG0AAAA=\"/>\n");
    EXPECT_EQ(run("msnobj " + quoted(folder / "missing.gif")).status, 1);
    EXPECT_EQ(run("msnobj --type x " + quoted(file)).status, 2);
    EXPECT_EQ(run("msnobj").status, 2);
}

}  // namespace
}  // namespace quillmere::cli
