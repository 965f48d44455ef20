// orvalen-tool info run as a program on files written by the format writers.
#include "files/WaveBytes.h"
#include "formats/MapWriter.h"
#include "formats/ModelWriter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

// The tool's standard output and exit code; the shell appends the code as a last line.
ToolRun info(const fs::path& file) {
    const std::string command =
        std::string(ORVALEN_TOOL) + " info '" + file.string() + "' 2>/dev/null; echo \"exit $?\"";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    pclose(pipe);
    const std::size_t last = run.output.rfind("exit ");
    if (last != std::string::npos) {
        run.exitCode = std::stoi(run.output.substr(last + 5));
        run.output.erase(last);
    }
    return run;
}

class ToolInfoTest : public ::testing::Test {
protected:
    fs::path write(const std::string& name, const std::vector<uint8_t>& bytes) {
        wavebytes::writeFile(folder_ / name, bytes);
        return folder_ / name;
    }

    const ScratchFolder folder_;
};

WorldFile map() {
    WorldFile m;
    m.rows = 1;
    m.columns = 2;
    m.cornerHeights.assign(6, 0.0f);
    m.cellTextures = {0, -1};
    m.textureNames = {"grass.png"};
    m.metalPiles = {{0, 1, 0}};
    return m;
}

ModelFileContents model() {
    ModelFileContents c;
    ModelFileMesh mesh;
    mesh.name = "color_separator";
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh.texCoords.resize(3);
    c.meshes = {mesh};
    c.animations = {{"run", {{100, {{-1, std::nullopt}}}, {150, {{-1, std::nullopt}}}}}};
    return c;
}

// 16-bit mono PCM at 22050 Hz, two samples.
std::vector<uint8_t> wav() {
    return wavebytes::riff({{"fmt ", wavebytes::pcmFormat(1, 16)}, {"data", {1, 0, 2, 0}}});
}

TEST_F(ToolInfoTest, MapReportsItsContentsOrTheGamesMessage) {
    const std::vector<uint8_t> bytes = writeWorldFile(map());
    const ToolRun good = info(write("motac.ktqw", bytes));
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_NE(good.output.find("grid: 2 columns x 1 rows"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("\"grass.png\", 1 cells"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("type 4, owner 0, at x 1, z 0"), std::string::npos) << good.output;

    const fs::path cut = write("cut.ktqw", std::vector<uint8_t>(bytes.begin(), bytes.end() - 1));
    const ToolRun bad = info(cut);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output, "Map " + cut.string() + " wasn't found or is corrupted!\n");
}

TEST_F(ToolInfoTest, ModelReportsItsContentsOrTheGamesMessage) {
    const ToolRun good = info(write("marine.ktqm", writeModelFile(model())));
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_NE(good.output.find("colour separator: 0"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("\"run\": 2 frames, durations 100 150 ms"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("bounding box: x 0 to 1, y 0 to 1, z 0 to 0"), std::string::npos)
        << good.output;

    std::vector<uint8_t> crlf = writeModelFile(model());
    crlf.insert(crlf.begin() + 9, '\r');
    const fs::path rejected = write("crlf.ktqm", crlf);
    const ToolRun bad = info(rejected);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output, "Model " + rejected.string() + " wasn't found or is corrupted!\n");
    EXPECT_EQ(info(folder_ / "missing.ktqm").exitCode, 1);
}

TEST_F(ToolInfoTest, WavIsReportedThroughTheGameReader) {
    const ToolRun good = info(write("click.wav", wav()));
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_NE(good.output.find("result: WaveOk"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("sample rate: 22050 Hz"), std::string::npos) << good.output;
    EXPECT_NE(good.output.find("OpenAL format: AL_FORMAT_MONO16"), std::string::npos) << good.output;
    std::vector<uint8_t> cut = wav();
    cut.resize(30);
    const ToolRun bad = info(write("cut.wav", cut));
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output, "sound: WaveBadFile\n");
    EXPECT_EQ(info(write("text.wav", {'h', 'i'})).exitCode, 1);
}

TEST_F(ToolInfoTest, UnreadableImageGivesTheTextureMessage) {
    const fs::path path = write("broken.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'});
    const ToolRun run = info(path);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "Couldn't load texture " + path.string() + "!\n");
}

} // namespace
