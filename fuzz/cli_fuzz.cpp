// The command-line tool on arbitrary argument vectors (the input split at NUL bytes, which no
// real argument can contain): it never crashes, exits 0 or 2 only, and on an error writes
// exactly one message line to stderr and nothing on success.
//
// Files the tool writes stay inside a fresh temporary folder, the working directory while the
// tool runs (the fuzzer's own corpus and artifacts keep the directory it was started in):
// inputs that could name a path outside it (an absolute path, a "..") are refused, and the
// folder is emptied after every run so that each input starts from the same state.
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cliargs.h"
#include "clock.h"
#include "request.h"
#include "run.h"

namespace {

namespace fs = std::filesystem;

// Enough characters per run to reach the batch paths (numbered sheets in a folder) while
// keeping every run short; the tool's own cap of 10000 is tested by the unit tests.
constexpr int kMaxFuzzCount = 24;

fs::path g_workDir;

// Whether a word, taken as a path or as "--option=path", could leave the working directory.
bool mayLeaveWorkDir(std::string_view word) {
    const auto leaves = [](std::string_view path) {
        if (!path.empty() && path.front() == '/')
            return true;
        // A ".." component anywhere; "..." and "a..b" are harmless but rare enough to refuse.
        return path.find("..") != std::string_view::npos;
    };
    if (leaves(word))
        return true;
    const std::size_t eq = word.find('=');
    return eq != std::string_view::npos && leaves(word.substr(eq + 1));
}

// Whether the words ask for more characters than a fuzz run should spend time on.
bool countTooLarge(const std::vector<std::string>& args) {
    const auto tooLarge = [](std::string_view value) {
        const auto n = tavrel::words::parseCount(value, tavrel::words::kCommandLineMaxCount);
        return n && *n > kMaxFuzzCount;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        for (std::string_view name : {"--count", "-count"}) {
            if (a == name && i + 1 < args.size() && tooLarge(args[i + 1]))
                return true;
            if (a.size() > name.size() && a.substr(0, name.size()) == name &&
                a[name.size()] == '=' && tooLarge(a.substr(name.size() + 1))) {
                return true;
            }
        }
    }
    return false;
}

void emptyWorkDir() {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(g_workDir, ignored)) {
        fs::remove_all(entry.path(), ignored);
    }
}

// One line: text, then a single line feed at the very end, and no other line break of any
// kind (CR, VT, FF, NEL, LS, PS) nor any other control code (ESC above all) inside.
bool isOneLine(const std::string& s) {
    if (s.size() < 2 || s.back() != '\n')
        return false;
    const std::string_view body(s.data(), s.size() - 1);
    for (char c : body) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            return false;
    }
    return body.find("\xC2\x85") == std::string_view::npos &&
           body.find("\xE2\x80\xA8") == std::string_view::npos &&
           body.find("\xE2\x80\xA9") == std::string_view::npos;
}

void removeWorkDir() {
    std::error_code ignored;
    fs::remove_all(g_workDir, ignored);
}

// A broken expectation: the input is the finding, and the temporary folder goes.
[[noreturn]] void fail() {
    removeWorkDir();
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/tavrel-cli-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    g_workDir = pattern;
    // Removed on a normal exit, and when a sanitizer ends the run on a finding.
    std::atexit(removeWorkDir);
    __sanitizer_set_death_callback(removeWorkDir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    if (size > 0) {
        const std::string_view input(reinterpret_cast<const char*>(data), size);
        std::size_t start = 0;
        for (;;) {
            const std::size_t at = input.find('\0', start);
            args.emplace_back(input.substr(start, at - start));
            if (at == std::string_view::npos)
                break;
            start = at + 1;
        }
    }
    for (const std::string& a : args) {
        if (mayLeaveWorkDir(a))
            return -1;
    }
    if (countTooLarge(args))
        return -1;

    std::istringstream in;  // "sheet -" reads nothing, rather than the fuzzer's own input
    std::ostringstream out;
    std::ostringstream err;
    const tavrel::SettableClock clock(45'296'789);  // 12:34:56.789
    const fs::path startDir = fs::current_path();
    fs::current_path(g_workDir);
    const int status = tavrel::cli::run(args, in, out, err, clock);
    fs::current_path(startDir);
    emptyWorkDir();

    if (status == tavrel::cli::kExitOk) {
        if (!err.str().empty())
            fail();
    } else if (status == tavrel::cli::kExitUsage || status == tavrel::cli::kExitOutput) {
        // A bad argument, or an --output path that cannot be written (a missing folder).
        if (!isOneLine(err.str()))
            fail();
    } else {
        fail();
    }
    return 0;
}
