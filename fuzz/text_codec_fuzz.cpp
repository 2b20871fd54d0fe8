// The bytes of a text file, as the tools read them: decoded, converted both
// ways, and shown in a message. UTF-8 that converts gives the same bytes
// back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/toolbox/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (const auto decoded = toolbox::decodeText(bytes)) toolbox::utf8ForMessages(decoded->text);
    if (const auto cp1252 = toolbox::cp1252FromUtf8(bytes)) {
        if (toolbox::utf8FromCp1252(*cp1252) != bytes) std::abort();
    }
    // Any bytes are Windows-1252: to UTF-8 and back is the same bytes.
    const auto back = toolbox::cp1252FromUtf8(toolbox::utf8FromCp1252(bytes));
    if (!back || *back != bytes) std::abort();
    return 0;
}
