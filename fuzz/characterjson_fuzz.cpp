// The character file reader on arbitrary bytes: it never crashes, every file it accepts renders
// as a whole sheet, and what it accepts round-trips: written again and read back, it is the
// same record, and a second write gives the same bytes. Read as a file of characters, the same
// bytes split into pieces of the file that each read alone as the character they gave, and a file
// that is one character gives just that one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "characterjson.h"
#include "characterlines.h"
#include "sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const tavrel::CharacterReadResult read = tavrel::readCharacterJson(input);
    std::size_t pieces = 0;
    const std::optional<std::string> fault = tavrel::readCharacterLines(
        input, [&](std::string_view text, const tavrel::SavedCharacter& saved) {
            ++pieces;
            if (text.data() < input.data() || text.data() + text.size() > input.data() + size)
                std::abort();
            const tavrel::CharacterReadResult alone = tavrel::readCharacterJson(text);
            if (!alone.character || !(*alone.character == saved))
                std::abort();
        });
    if ((fault && fault->empty()) || (read.character && (fault || pieces != 1)))
        std::abort();
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
