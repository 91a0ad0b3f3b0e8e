// velmora_bench_rewrite: how fast the settings-file rewrite is, next to sed and cp, and
// how it scales. Without arguments it runs every measurement, prints a table and exits
// with 1 when a target is missed. The other commands serve scripts/bench.sh:
//   rewrite-file IN OUT             read IN, rewrite it as the launcher does, write OUT
//   write-settings PATH BYTES DIR   a main settings file holding DIR on 10% of its lines
//   write-ftp PATH BYTES            an FTP connections file
//   core-once BYTES                 one in-memory rewrite (for callgrind instruction counts)
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "GeneratedSettingsText.h"
#include "Measure.h"
#include "import/ConfigRewrite.h"
#include "import/SettingsText.h"

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMegabyte = 1024 * 1024;

// The rule the launcher applies to a copy of wincmd.ini in E:\TC.
const RewriteRule kRule{"E:\\TC", "E:\\TC\\", "%COMMANDER_PATH%"};

// GNU sed doing the same replacements, case ignored, first E:\TC and then E:\TC\.
const std::vector<std::string> kSedExpressions{"-e", "s/E:\\\\TC/%COMMANDER_PATH%/gI", "-e",
                                               "s/E:\\\\TC\\\\/%COMMANDER_PATH%/gI"};

// The launcher's rewrite of one file: read it whole, rewrite, write the result.
bool RewriteFile(const std::string& in, const std::string& out) {
    const auto content = ReadWholeFile(in);
    if (!content) return false;
    const auto rewritten = RewriteConfigText(*content, kRule);
    return WriteWholeFile(out, rewritten ? *rewritten : *content);
}

double MedianCoreMs(const std::string& text, int runs) {
    std::vector<double> times;
    std::size_t sink = 0;
    for (int i = 0; i < runs; ++i) {
        times.push_back(
            TimeMs([&] { sink += RewriteConfigText(text, kRule).value_or(std::string()).size(); }));
    }
    if (sink == 0) std::fprintf(stderr, "warning: nothing was rewritten\n");
    return Median(times);
}

struct Verdict {
    bool allMet = true;
    void Check(const char* name, double value, double limit, const char* unit) {
        const bool met = value <= limit;
        allMet = allMet && met;
        std::printf("  %-44s %8.2f%s  (target <= %.2f%s)  %s\n", name, value, unit, limit, unit,
                    met ? "met" : "MISSED");
    }
};

// (a) The whole job as three processes, each reading and writing files.
void CompareWithSedAndCopy(const fs::path& dir, int runs, Verdict& verdict) {
    const std::string source = (dir / "wincmd.ini").string();
    const std::string coreOut = (dir / "core_out.ini").string();
    const std::string sedFile = (dir / "sed_work.ini").string();
    const std::string copyOut = (dir / "copy_out.ini").string();
    const std::string text = SettingsText({.bytes = 5 * kMegabyte});
    WriteWholeFile(source, text);

    std::vector<double> core, sed, copy;
    for (int i = 0; i < runs; ++i) {  // interleaved, so that machine noise hits all three alike
        fs::copy_file(source, sedFile, fs::copy_options::overwrite_existing);
        std::vector<std::string> sedArgs{"sed", "-i"};
        sedArgs.insert(sedArgs.end(), kSedExpressions.begin(), kSedExpressions.end());
        sedArgs.push_back(sedFile);
        const auto c = TimeProcessMs({"/proc/self/exe", "rewrite-file", source, coreOut});
        const auto s = TimeProcessMs(sedArgs, {"LC_ALL=C"});
        const auto p = TimeProcessMs({"cp", source, copyOut});
        if (!c || !s || !p) std::exit(2);
        core.push_back(*c);
        sed.push_back(*s);
        copy.push_back(*p);
    }
    const bool agree = ReadWholeFile(coreOut) == ReadWholeFile(sedFile);

    std::vector<double> inProcess;
    for (int i = 0; i < runs; ++i)
        inProcess.push_back(TimeMs([&] { RewriteFile(source, coreOut); }));

    std::printf("(a) 5 MB wincmd.ini, 10%% of %s lines holding the directory; median of %d runs\n", "its",
                runs);
    std::printf("  %-44s %8.2f ms\n", "velmora core, own process (read+rewrite+write)", Median(core));
    std::printf("  %-44s %8.2f ms\n", "sed -i, 2 expressions, case ignored (LC_ALL=C)", Median(sed));
    std::printf("  %-44s %8.2f ms\n", "cp", Median(copy));
    std::printf("  %-44s %8.2f ms\n", "velmora core, in-process (read+rewrite+write)", Median(inProcess));
    std::printf("  %-44s %8.2f ms\n", "velmora core, in-memory rewrite only", MedianCoreMs(text, runs));
    std::printf("  %-44s %s\n", "core output equals sed output", agree ? "yes" : "NO");
    verdict.Check("core time / sed time", Median(core) / Median(sed), 1.0, "x");
    verdict.Check("core time / cp time", Median(core) / Median(copy), 3.0, "x");
    verdict.allMet = verdict.allMet && agree;
}

// (b) Ten times the input may cost at most twelve times the time.
void Scaling(int runs, Verdict& verdict) {
    const std::string small = SettingsText({.bytes = kMegabyte});
    const std::string large = SettingsText({.bytes = 10 * kMegabyte});
    const double smallMs = MedianCoreMs(small, runs);
    const double largeMs = MedianCoreMs(large, runs);
    const std::string line1 = SingleLineText(kMegabyte, 50'000);
    const std::string line2 = SingleLineText(2 * kMegabyte, 100'000);
    const double line1Ms = MedianCoreMs(line1, runs);
    const double line2Ms = MedianCoreMs(line2, runs);

    std::printf("(b) in-memory rewrite; median of %d runs\n", runs);
    std::printf("  %-44s %8.2f ms\n", "1 MB wincmd.ini", smallMs);
    std::printf("  %-44s %8.2f ms\n", "10 MB wincmd.ini", largeMs);
    std::printf("  %-44s %8.2f ms\n", "single 1 MB line, 50,000 occurrences", line1Ms);
    std::printf("  %-44s %8.2f ms\n", "single 2 MB line, 100,000 occurrences", line2Ms);
    verdict.Check("10 MB time / 1 MB time", largeMs / smallMs, 12.0, "x");
    verdict.Check("2 MB line time / 1 MB line time", line2Ms / line1Ms, 2.4, "x");
}

// (c) The same settings in UTF-16LE cost at most twice what they cost as ANSI text. The
// upper case is Latin-1's here, a table for ANSI and a function for UTF-16, as Windows
// gives the launcher (its own mapping is measured in the launch under Wine).
void Utf16AgainstAnsi(int runs, Verdict& verdict) {
    const std::string ansi = SettingsText({.bytes = 5 * kMegabyte / 2});
    std::string utf16 = "\xFF\xFE";
    for (const char c : ansi)
        utf16 += {c, '\0'};
    TextCase textCase{{}, [](std::u16string& text) {
                          for (char16_t& c : text)
                              if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
                                  c -= 0x20;
                      }};
    for (int b = 0; b < 256; ++b) {
        const bool lower = (b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7);
        textCase.ansi.upper[b] = static_cast<unsigned char>(lower ? b - 0x20 : b);
    }
    const SettingsRule rule{{u"E:\\TC", u"E:\\TC\\", u"%COMMANDER_PATH%"}, kRule};
    const auto median = [&](const std::string& text) {
        std::vector<double> times;
        std::size_t sink = 0;
        for (int i = 0; i < runs; ++i)
            times.push_back(TimeMs(
                [&] { sink += RewriteSettingsText(text, rule, textCase).value_or(NewBytes()).size(); }));
        if (sink == 0) std::fprintf(stderr, "warning: nothing was rewritten\n");
        return Median(times);
    };
    const double ansiMs = median(ansi);
    const double utf16Ms = median(utf16);
    std::printf("(c) in-memory rewrite of the same settings; median of %d runs\n", runs);
    std::printf("  %-44s %8.2f ms\n", "2.5 MB ANSI wincmd.ini", ansiMs);
    std::printf("  %-44s %8.2f ms\n", "5 MB UTF-16LE wincmd.ini, the same text", utf16Ms);
    verdict.Check("UTF-16 time / ANSI time", utf16Ms / ansiMs, 2.0, "x");
}

int RunAll(int runs) {
    const fs::path dir = fs::temp_directory_path() / ("velmora-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Verdict verdict;
    CompareWithSedAndCopy(dir, runs, verdict);
    Scaling(runs + 4, verdict);
    Utf16AgainstAnsi(runs, verdict);
    fs::remove_all(dir);
    std::printf("rewrite targets: %s\n", verdict.allMet ? "all met" : "MISSED");
    return verdict.allMet ? 0 : 1;
}

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
    using namespace velmora::bench;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return RunAll(11);
    if (args[0] == "--runs" && args.size() == 2) return RunAll(std::stoi(args[1]));
    if (args[0] == "rewrite-file" && args.size() == 3) return RewriteFile(args[1], args[2]) ? 0 : 1;
    if (args[0] == "write-settings" && args.size() == 4) {
        const bool placeholder = args[3].starts_with('%');
        const std::string text =
            SettingsText({.bytes = std::stoul(args[2]), .directory = args[3], .mixCase = !placeholder});
        return WriteWholeFile(args[1], text) ? 0 : 1;
    }
    if (args[0] == "write-ftp" && args.size() == 3) {
        return WriteWholeFile(args[1], FtpSettingsText(std::stoul(args[2]))) ? 0 : 1;
    }
    if (args[0] == "core-once" && args.size() == 2) {
        const std::string text = SettingsText({.bytes = std::stoul(args[1])});
        return velmora::RewriteConfigText(text, kRule) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: velmora_bench_rewrite [--runs N | rewrite-file IN OUT | write-settings PATH "
                 "BYTES DIR | write-ftp PATH BYTES | core-once BYTES]\n");
    return 2;
}
