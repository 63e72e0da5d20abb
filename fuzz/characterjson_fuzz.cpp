// The character file reader on arbitrary bytes: it never crashes, every file it accepts renders
// as a whole sheet, and what it accepts round-trips: written again and read back, it is the
// same record, and a second write gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "characterjson.h"
#include "sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const tavrel::CharacterReadResult read = tavrel::readCharacterJson(input);
    if (!read.character) {
        if (read.error.empty() || read.error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    const std::string sheet = tavrel::characterSheet(read.character->character);
    // A whole page: it ends as every sheet ends, and every line ends in CR LF.
    constexpr std::string_view kEnd = "</body>\r\n</html>\r\n";
    if (sheet.size() < kEnd.size() ||
        sheet.compare(sheet.size() - kEnd.size(), kEnd.size(), kEnd) != 0) {
        std::abort();
    }
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const bool lf = sheet[i] == '\n';
        const bool cr = sheet[i] == '\r';
        if ((lf && (i == 0 || sheet[i - 1] != '\r')) ||
            (cr && (i + 1 == sheet.size() || sheet[i + 1] != '\n'))) {
            std::abort();
        }
    }
    const std::string json = tavrel::characterJson(*read.character);
    const tavrel::CharacterReadResult again = tavrel::readCharacterJson(json);
    if (!again.character || !(*again.character == *read.character))
        std::abort();
    if (tavrel::characterJson(*again.character) != json)
        std::abort();
    return 0;
}
