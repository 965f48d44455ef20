// The options file through the reader the game starts with: a file that is not one leaves every
// default, and whatever it accepts is written back as text that reads the same.
#include "FuzzTarget.h"

#include "files/OptionsFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const OptionsReading reading = parseOptions({reinterpret_cast<const char*>(data), size});
    if (!reading.wholeFile) {
        require(reading.options == PlayerOptions{}, "a file that is not one leaves the defaults");
        return 0;
    }
    const OptionsReading again = parseOptions(formatOptions(reading.options));
    require(again.wholeFile && again.complaints.empty(), "the game reads what it writes");
    require(again.options == reading.options, "the options read back as they were");
    return 0;
}
