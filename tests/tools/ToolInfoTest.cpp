// orvalen-tool info run as a program, in a scratch folder, on files written by the format writers.
#include "files/WaveBytes.h"
#include "formats/MapWriter.h"
#include "formats/ModelWriter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

// The tool's standard output and exit code; the shell appends the code as a last line.
ToolRun info(const std::string& file) {
    const std::string command =
        std::string(ORVALEN_TOOL) + " info '" + file + "' 2>/dev/null; echo \"exit $?\"";
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

TEST(ToolInfoTest, ReportsEachKindOfFileThroughTheGamesReader) {
    const ScratchFolder folder;
    const std::vector<std::pair<std::string, std::vector<std::string>>> reports = {
        {"motac.ktqw",
         {"grid: 2 columns x 1 rows", "\"grass.png\", 1 cells", "type 4, owner 0, at x 1, z 0"}},
        {"marine.ktqm",
         {"colour separator: 0", "\"run\": 2 frames, durations 100 150 ms",
          "bounding box: x 0 to 1, y 0 to 1, z 0 to 0"}},
        {"click.wav", {"result: WaveOk", "sample rate: 22050 Hz", "OpenAL format: AL_FORMAT_MONO16"}},
    };
    writeBytes("motac.ktqw", writeWorldFile(map()));
    writeBytes("marine.ktqm", writeModelFile(model()));
    writeBytes("click.wav", wav());
    for (const auto& [file, lines] : reports) {
        const ToolRun run = info(file);
        EXPECT_EQ(run.exitCode, 0) << file;
        for (const std::string& line : lines)
            EXPECT_NE(run.output.find(line), std::string::npos) << run.output;
    }
}

// A file the game cannot read is reported with the game's own message.
TEST(ToolInfoTest, AnUnreadableFileGetsTheGamesMessage) {
    const ScratchFolder folder;
    std::vector<uint8_t> cutMap = writeWorldFile(map());
    cutMap.pop_back();
    std::vector<uint8_t> crlfModel = writeModelFile(model());
    crlfModel.insert(crlfModel.begin() + 9, '\r');
    std::vector<uint8_t> cutWav = wav();
    cutWav.resize(30);
    const std::vector<std::tuple<std::string, std::vector<uint8_t>, std::string>> refusals = {
        {"cut.ktqw", cutMap, "Map cut.ktqw wasn't found or is corrupted!\n"},
        {"crlf.ktqm", crlfModel, "Model crlf.ktqm wasn't found or is corrupted!\n"},
        {"cut.wav", cutWav, "sound: WaveBadFile\n"},
        {"broken.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'}, "Couldn't load texture broken.png!\n"},
    };
    for (const auto& [file, bytes, message] : refusals) {
        writeBytes(file, bytes);
        const ToolRun run = info(file);
        EXPECT_EQ(run.exitCode, 1) << file;
        EXPECT_EQ(run.output, message);
    }
    EXPECT_EQ(info("missing.ktqm").exitCode, 1);
}

} // namespace
