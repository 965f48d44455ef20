#include "Sounds.h"

#include "Noise.h"
#include "formats/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

constexpr uint32_t Rate = 22050;
constexpr float Pi = 3.14159265f;

void uint16(ByteWriter& out, uint16_t value) {
    out.byte(static_cast<uint8_t>(value & 0xFF));
    out.byte(static_cast<uint8_t>(value >> 8));
}

void tag(ByteWriter& out, const char* fourCharacters) {
    for (int i = 0; i < 4; ++i) {
        out.byte(static_cast<uint8_t>(fourCharacters[i]));
    }
}

std::vector<int16_t> toPcm(const std::vector<float>& signal) {
    float peak = 1e-6f;
    for (float s : signal) {
        peak = std::max(peak, std::abs(s));
    }
    std::vector<int16_t> pcm;
    for (float s : signal) {
        pcm.push_back(static_cast<int16_t>(std::lround(s / peak * 0.7f * 32767.0f)));
    }
    return pcm;
}

// One line of the shell, each argument quoted for it.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

void run(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("failed: " + command);
    }
}

struct Line {
    const char* fileName;
    const char* text;
};

struct Speaker {
    const char* voice;
    const char* pitch;
    const char* speed;
    const char* shaping; // sox effects
    Line lines[4];
};

const Speaker Speakers[] = {
    {"en-us+m3",
     "32",
     "160",
     "highpass 300 lowpass 3400 overdrive 6 compand 0.02,0.2 -60,-60,-30,-12,0,-6 -8 norm -1",
     {{"marine_select1.wav", "Ready, sir."},
      {"marine_select2.wav", "Standing by."},
      {"marine_move1.wav", "Moving out."},
      {"marine_move2.wav", "Roger that."}}},
    {"en-gb-x-gbclan+m1",
     "45",
     "150",
     "highpass 120 lowpass 6000 compand 0.02,0.2 -60,-60,-30,-14,0,-8 -4 norm -1",
     {{"worker_select1.wav", "Yes, boss?"},
      {"worker_select2.wav", "Ready to work."},
      {"worker_move1.wav", "Right away."},
      {"worker_move2.wav", "On my way."}}},
};

} // namespace

std::vector<uint8_t> monoWav(std::span<const int16_t> samples, uint32_t sampleRate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    ByteWriter out;
    tag(out, "RIFF");
    out.uint32(36 + dataBytes);
    tag(out, "WAVE");
    tag(out, "fmt ");
    out.uint32(16);
    uint16(out, 1); // PCM
    uint16(out, 1); // mono
    out.uint32(sampleRate);
    out.uint32(sampleRate * 2);
    uint16(out, 2);
    uint16(out, 16);
    tag(out, "data");
    out.uint32(dataBytes);
    for (int16_t s : samples) {
        uint16(out, static_cast<uint16_t>(s));
    }
    return out.take();
}

std::vector<uint8_t> clickSound() {
    std::vector<float> signal(Rate * 45 / 1000);
    Random random(7);
    for (size_t i = 0; i < signal.size(); ++i) {
        const float t = static_cast<float>(i) / Rate;
        const float body = std::sin(2 * Pi * 1900.0f * t) * std::exp(-t * 160.0f);
        const float snap = random.uniform(-1, 1) * std::exp(-t * 900.0f);
        const float attack = std::min(1.0f, t * 4000.0f);
        signal[i] = (body * 0.8f + snap * 0.5f) * attack;
    }
    return monoWav(toPcm(signal), Rate);
}

std::vector<uint8_t> swishSound() {
    const size_t length = Rate * 420 / 1000;
    std::vector<float> signal(length);
    Random random(8);
    float low = 0, band = 0;
    for (size_t i = 0; i < length; ++i) {
        const float p = static_cast<float>(i) / length; // 0..1 through the sound
        // A state-variable filter whose centre sweeps up and back down, over white noise.
        const float centre = 500.0f + 2600.0f * std::sin(Pi * p);
        const float f = 2.0f * std::sin(Pi * centre / Rate);
        const float input = random.uniform(-1, 1);
        low += f * band;
        const float high = input - low - 0.6f * band;
        band += f * high;
        const float envelope = std::pow(std::sin(Pi * std::pow(p, 0.7f)), 2.0f);
        signal[i] = band * envelope;
    }
    return monoWav(toPcm(signal), Rate);
}

void speakUnitResponses(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const Speaker& speaker : Speakers) {
        for (const Line& line : speaker.lines) {
            const std::filesystem::path target = folder / line.fileName;
            const std::filesystem::path raw = folder / (std::string(line.fileName) + ".speech");
            run(std::string("espeak-ng -v ") + speaker.voice + " -p " + speaker.pitch + " -s " +
                speaker.speed + " -w " + quoted(raw.string()) + " " + quoted(line.text));
            // Repeatable and undithered, so a second bake writes the same bytes.
            run("sox -R -D -t wav " + quoted(raw.string()) +
                " -r 22050 -b 16 -c 1 -e signed-integer -t wav " + quoted(target.string()) + " " +
                speaker.shaping + " pad 0.02 0.08");
            std::filesystem::remove(raw);
        }
    }
}
