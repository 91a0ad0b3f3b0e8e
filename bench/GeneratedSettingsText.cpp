#include "GeneratedSettingsText.h"

#include <array>
#include <cctype>
#include <random>
#include <string_view>

namespace velmora::bench {
namespace {

constexpr std::array<std::string_view, 16> kSections{"Configuration", "Layout",        "left",
                                                     "right",         "lefttabs",      "righttabs",
                                                     "DirMenu",       "Colors",        "Associations",
                                                     "Packer",        "PackerPlugins", "FileSystemPlugins",
                                                     "ListerPlugins", "Shortcuts",     "Command line history",
                                                     "left history"};

constexpr std::array<std::string_view, 14> kPlainKeys{
    "ShowHiddenSystem=1", "Fontname=Tahoma",         "FontSize=9",
    "SortDirsByName=1",   "ShowCentury=1",           "Editor=notepad.exe",
    "UseRightButton=0",   "DirTabOptions=824",       "IconsSpecialFolders=3",
    "CopyBlockSize=4096", "QuickSearchAutoFilter=1", "BackColor=16777215",
    "SizeStyle=1",        "ButtonHeight=32"};

constexpr std::array<std::string_view, 10> kOtherRoots{"C:\\Program Files\\", "C:\\Users\\anna\\Documents\\",
                                                       "D:\\Projekte\\",      "C:\\Windows\\System32\\",
                                                       "E:\\Tools\\",         "E:\\Temp\\",
                                                       "\\\\nas\\share\\",    "C:\\Users\\anna\\Desktop\\",
                                                       "F:\\Fotos\\2019\\",   "D:\\TC\\"};

constexpr std::array<std::string_view, 12> kSubPaths{"Plugins\\wcx\\7zip\\7zip.wcx",
                                                     "Plugins\\wlx\\ImageView\\imgview.wlx",
                                                     "Totalcmd.exe",
                                                     "Tools\\Notepad2.exe",
                                                     "TC_portable_Default.bar",
                                                     "Language\\wcmd_deu.lng",
                                                     "Plugins\\wfx\\FTP\\sftp.wfx",
                                                     "Bars\\Tools.bar",
                                                     "Icons\\wcmicons.dll",
                                                     "Plugins\\wdx\\exif\\exif.wdx",
                                                     "Help\\TOTALCMD.CHM",
                                                     "Temp\\"};

constexpr std::array<std::string_view, 8> kWords{"Bericht",  "notes", "Backup", "archive",
                                                 "Rechnung", "draft", "Export", "music"};

class Lines {
public:
    explicit Lines(std::uint32_t seed) : random_(seed) {}

    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

    std::string Cased(std::string_view text, bool mixCase) {
        std::string result(text);
        if (!mixCase) return result;
        for (char& c : result) {
            if (std::isalpha(static_cast<unsigned char>(c)) && Pick(2) == 0) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        return result;
    }

    // A key line that names some other place: most lines of a settings file look like this.
    std::string Plain(int index) {
        switch (Pick(4)) {
            case 0:
                return std::string(kPlainKeys[Pick(kPlainKeys.size())]);
            case 1:
                return std::to_string(index % 40) + "=" + std::string(kOtherRoots[Pick(kOtherRoots.size())]) +
                       std::string(kWords[Pick(kWords.size())]) + "\\" +
                       std::string(kWords[Pick(kWords.size())]);
            case 2:
                return "*." + std::string(kWords[Pick(kWords.size())]).substr(0, 3) + "=" +
                       std::string(kOtherRoots[Pick(kOtherRoots.size())]) + "viewer.exe \"%1\"";
            default:
                return "cmd" + std::to_string(index % 90) + "=cm_" + std::string(kWords[Pick(kWords.size())]);
        }
    }

    // A key line whose value holds the directory once (rarely twice, as in a command with
    // a parameter beside it).
    std::string WithDirectory(int index, const SettingsTextShape& shape) {
        const std::string dir = Cased(shape.directory, shape.mixCase);
        switch (Pick(5)) {
            case 0:
                return "InstallDir=" + dir;
            case 1:
                return std::to_string(index % 40) + "=" + dir + "\\" +
                       std::string(kSubPaths[Pick(kSubPaths.size())]);
            case 2:
                return "Buttonbar=" + dir + "\\" + std::string(kSubPaths[4]);
            case 3:
                return "cmd" + std::to_string(index % 90) + "=" + dir + "\\" + std::string(kSubPaths[3]) +
                       " " + Cased(shape.directory, shape.mixCase) + "\\notes.txt";
            default:
                return "path" + std::to_string(index % 40) + "=" + dir + "\\" +
                       std::string(kSubPaths[Pick(kSubPaths.size())]);
        }
    }

private:
    std::mt19937 random_;
};

}  // namespace

std::string SettingsText(const SettingsTextShape& shape) {
    Lines lines(shape.seed);
    std::string text;
    text.reserve(shape.bytes + 256);
    int index = 0;
    int sectionLeft = 0;
    while (text.size() < shape.bytes) {
        if (sectionLeft == 0) {
            if (!text.empty()) text += "\r\n";  // a blank line between sections
            text += "[" + std::string(kSections[lines.Pick(kSections.size())]) + "]\r\n";
            sectionLeft = 20 + static_cast<int>(lines.Pick(40));
        }
        ++index;
        --sectionLeft;
        const bool holdsDirectory = shape.linesPerDirectory > 0 && index % shape.linesPerDirectory == 0;
        text += holdsDirectory ? lines.WithDirectory(index, shape) : lines.Plain(index);
        text += "\r\n";
    }
    return text;
}

std::string SingleLineText(std::size_t bytes, std::size_t occurrences, std::uint32_t seed) {
    Lines lines(seed);
    std::string text = "SearchIn=";
    text.reserve(bytes + 64);
    const std::size_t chunk = occurrences == 0 ? bytes : bytes / occurrences;
    for (std::size_t i = 0; i < occurrences; ++i) {
        const std::size_t chunkStart = text.size();
        text += lines.Cased("E:\\TC", true);
        text += "\\";
        // Filler up to the chunk size: a file name, then ';' separating list entries.
        while (text.size() + 1 < chunkStart + chunk)
            text += static_cast<char>('a' + lines.Pick(26));
        text += ';';
    }
    while (text.size() < bytes)
        text += 'x';
    return text;
}

std::string FtpSettingsText(std::size_t bytes, std::uint32_t seed) {
    Lines lines(seed);
    std::string text = "[General]\r\nDefault=\r\n";
    int index = 0;
    while (text.size() < bytes) {
        ++index;
        const std::string word(kWords[lines.Pick(kWords.size())]);
        text += "\r\n[" + word + std::to_string(index) + "]\r\nhost=ftp." + word + ".example.net\r\n";
        text += "username=anna\r\ndirectory=/home/anna/" + word + "\r\n";
        text += "localdir=%COMMANDER_PATH%\\Download\\" + word + "\r\npasvmode=1\r\n";
    }
    return text;
}

}  // namespace velmora::bench
