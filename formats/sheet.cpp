#include "sheet.h"

#include <cstdint>
#include <optional>

namespace tavrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at `pos`, advancing it; nullopt for a malformed sequence (one
// byte is then consumed).
std::optional<char32_t> decodeUtf8(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + static_cast<std::size_t>(length) > s.size()) {
        ++pos;
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const std::uint8_t b = byte(pos + static_cast<std::size_t>(i));
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

void appendReference(std::string& out, char32_t cp) {
    out += "&#";
    out += std::to_string(static_cast<std::uint32_t>(cp));
    out += ';';
}

constexpr std::string_view kCrLf = "\r\n";

class Page {
public:
    void line(std::string_view text) {
        m_bytes += text;
        m_bytes += kCrLf;
    }
    // A line made of literal parts and escaped values, joined without anything between them.
    template <typename... Parts>
    void join(Parts&&... parts) {
        (append(std::forward<Parts>(parts)), ...);
        m_bytes += kCrLf;
    }
    std::string take() { return std::move(m_bytes); }

    struct Value {
        std::string_view text;
    };

private:
    void append(std::string_view literal) { m_bytes += literal; }
    void append(const char* literal) { m_bytes += literal; }
    void append(Value v) { m_bytes += sheetText(v.text); }

    std::string m_bytes;
};

using V = Page::Value;

std::string listCell(const std::vector<std::string>& entries) {
    std::string cell = "<td>";
    for (const std::string& e : entries) {
        cell += sheetText(e);
        cell += "; ";
    }
    cell += "</td>";
    return cell;
}

}  // namespace

std::string sheetText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> decoded = decodeUtf8(utf8, pos);
        const char32_t cp = decoded.value_or(kReplacement);
        switch (cp) {
            case U'&':
                out += "&amp;";
                break;
            case U'<':
                out += "&lt;";
                break;
            case U'>':
                out += "&gt;";
                break;
            case U'\r':
                // CR LF and a lone CR are both one line break.
                if (pos < utf8.size() && utf8[pos] == '\n') {
                    ++pos;
                }
                out += kCrLf;
                break;
            case U'\n':
                out += kCrLf;
                break;
            default:
                if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
                    out += static_cast<char>(static_cast<std::uint8_t>(cp));
                } else {
                    appendReference(out, cp);
                }
        }
    }
    return out;
}

std::string characterSheet(const Character& c) {
    Page p;
    p.line("<html>");
    p.line("<head>");
    p.line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
    p.line("<meta name=\"GENERATOR\" content=\"Tavrel Character genarator v.1.0\">");
    p.line("<title>Genaegared character page</title>");
    p.line("</head>");
    p.line("<body>");
    p.line(
        "<center><b><font color=\"#FF0000\"><font size=+2>Character description</font></font>"
        "</b></center>");
    p.line("<br><b><font size=+2></font></b>&nbsp;");
    p.line("<table BORDER WIDTH=\"100%\" >");
    p.line("<tr VALIGN=TOP>");
    p.line("<td  WIDTH=\"20%\"><b>Name:&nbsp;</b></td>");
    p.join("<td>", V{c.name}, "</td>");
    p.line("</tr>");
    p.line("<td  WIDTH=\"20%\">");
    p.line("</td>");
    p.join("<td>", V{c.raceLine}, "<br>");
    p.join(V{c.genderLine}, "<br>");
    p.join(V{c.classLine}, "<br>");
    p.join(V{c.levelLine}, "<br>");
    p.join(V{c.hitPointsLine}, "<br>");
    p.join(V{c.armourLine}, "<br>");
    p.join(V{c.alignmentLine}, "<br>");
    p.line("</tr>");
    p.line("</table>");
    p.line("<tr>");
    p.line("<td>");
    p.line("<table BORDER COLS=7 WIDTH=\"100%\" >");
    p.line("<tr>");
    p.line("<td WIDTH=\"20%\"><b>Ability Scores:</b></td>");
    p.join("<td><b>STR:</b>", strengthText(c), "</td>");
    p.join("<td><b>CON:</b>", scoreText(c.abilityScore[CON]), "</td>");
    p.join("<td><b>DEX:</b>", scoreText(c.abilityScore[DEX]), "</td>");
    p.join("<td><b>INT:</b>", scoreText(c.abilityScore[INT]), "</td>");
    p.join("<td><b>WIS:</b>", scoreText(c.abilityScore[WIS]), "</td>");
    p.join("<td><b>CHA:</b>", scoreText(c.abilityScore[CHA]), "</td>");
    p.line("</tr>");
    p.line("</table>");
    p.line("<table BORDER WIDTH=\"100%\" >");
    p.line("<tr VALIGN=TOP>");
    p.line("<td WIDTH=\"20%\"><b>Special Abilities:</b></td>");
    p.join("<td>", V{c.wizardSpellsLine}, "<br>");
    p.join(V{c.priestSpellsLine}, "<br>");
    for (const std::string* optional : {&c.thiefLine, &c.specialLine, &c.scrollLine}) {
        if (!optional->empty()) {
            p.join(V{*optional}, "<br>");
        }
    }
    p.line("</td>");
    p.line("</tr>");
    p.line("</table>");
    p.line("<table BORDER WIDTH=\"100%\" >");
    p.line("<tr VALIGN=TOP>");
    p.line("<td WIDTH=\"20%\"><b>Non-Weapon Proficiencies:&nbsp;</b></td>");
    p.line(listCell(c.nonWeapons));
    p.line("</tr>");
    p.line("</table>");
    p.line("<table BORDER WIDTH=\"100%\" >");
    p.line("<tr VALIGN=TOP>");
    p.line("<td WIDTH=\"20%\"><b>Weapon Proficiencies:&nbsp;</b></td>");
    p.line(listCell(c.weapons));
    p.line("</tr>");
    p.line("</table>");
    p.line("<br>&nbsp;");
    p.line("<br>&nbsp;");
    p.line(
        "<div align=right><font size=-1>This page generated by \"Tavrel Second Edition "
        "Character Generator\"</font></div>");
    p.line("</body>");
    p.line("</html>");
    return p.take();
}

}  // namespace tavrel
