#include "platform/sim/SimFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

bool isDriveSpec(const std::string& text) {
    return text.size() >= 2 && text[1] == ':' &&
           ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (isSeparator(c)) {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

// The host entry for a name in a folder, preferring an exact match.
fs::path childNoCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) return folder / name;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (sameNoCase(it->path().filename().string(), name)) return it->path();
    }
    return folder / name;
}

}  // namespace

SimFiles::SimFiles(std::string home, std::string homeWindows, std::string drivesRoot)
    : homeHost(std::move(home)), drives(std::move(drivesRoot)) {
    if (homeHost.empty()) {
        std::string pattern = (fs::temp_directory_path() / "pelvok-sim-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot create a home folder for the simulated desktop");
        }
        homeHost = pattern;
        ownsHome = true;
    }
    if (drives.empty()) drives = (fs::path(homeHost) / "drives").string();
    current = resolve("C:\\", homeWindows.empty() ? "C:\\Pelvok" : homeWindows);
    mapFolder(current, homeHost);
}

SimFiles::~SimFiles() {
    if (ownsHome) {
        std::error_code ignored;
        fs::remove_all(homeHost, ignored);
    }
}

void SimFiles::setCurrentDirectory(const std::string& windowsPath) {
    current = resolve(current, windowsPath);
}

void SimFiles::mapFolder(const std::string& windowsFolder, const std::string& hostFolder) {
    mappings.emplace_back(resolve(current.empty() ? "C:\\" : current, windowsFolder), hostFolder);
}

void SimFiles::createDirectory(const std::string& path) {
    created.push_back(path);
    // As CreateDirectoryA: one level, an existing folder is left as it is.
    std::error_code ignored;
    fs::create_directory(hostPath(path), ignored);
}

bool SimFiles::isNetworkPath(const std::string& path) {
    const std::string full = resolve(current, path);
    for (const std::string& folder : networkFolders) {
        const std::string base = resolve(current, folder);
        if (full.size() >= base.size() && sameNoCase(full.substr(0, base.size()), base))
            return true;
    }
    return false;
}

std::string SimFiles::hostPath(const std::string& path) {
    const std::string full = resolve(current, path);
    const std::vector<std::string> parts = components(full);

    // The longest mapped folder that holds the path.
    std::size_t bestLength = 0;
    const std::string* bestHost = nullptr;
    for (const auto& [folder, host] : mappings) {
        const std::vector<std::string> prefix = components(folder);
        if (prefix.size() > parts.size() || (bestHost && prefix.size() <= bestLength)) continue;
        bool holds = true;
        for (std::size_t i = 0; i < prefix.size() && holds; ++i) {
            holds = sameNoCase(prefix[i], parts[i]);
        }
        if (holds) {
            bestLength = prefix.size();
            bestHost = &host;
        }
    }

    fs::path host;
    std::size_t first = bestLength;
    if (bestHost) {
        host = *bestHost;
    } else {
        // "X:" becomes the folder X of the drives root; a UNC path goes under UNC.
        const bool unc = full.size() > 1 && isSeparator(full[0]) && isSeparator(full[1]);
        host = fs::path(drives) /
               (unc ? std::string("UNC") : std::string(1, static_cast<char>(full[0] & ~0x20)));
        first = unc ? 0 : 1;
        std::error_code ignored;
        fs::create_directories(host, ignored);
    }
    for (std::size_t i = first; i < parts.size(); ++i) host = childNoCase(host, parts[i]);
    return host.string();
}

std::string SimFiles::resolve(const std::string& base, const std::string& path) {
    const std::string from = base.empty() ? std::string("C:\\") : base;
    std::string joined;
    if (isDriveSpec(path)) {
        // "X:name" is taken as "X:\name".
        joined = path.substr(0, 2) + "\\" + path.substr(2);
    } else if (path.size() > 1 && isSeparator(path[0]) && isSeparator(path[1])) {
        joined = path;
    } else if (!path.empty() && isSeparator(path[0])) {
        joined = (isDriveSpec(from) ? from.substr(0, 2) : std::string("C:")) + path;
    } else {
        joined = from + "\\" + path;
    }

    const bool unc = joined.size() > 1 && isSeparator(joined[0]) && isSeparator(joined[1]);
    std::vector<std::string> parts = components(joined);
    std::vector<std::string> kept;
    const std::size_t rootParts = unc ? std::min<std::size_t>(2, parts.size()) : 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i < rootParts) {
            kept.push_back(parts[i]);
        } else if (parts[i] == "..") {
            if (kept.size() > rootParts) kept.pop_back();
        } else if (parts[i] != ".") {
            kept.push_back(parts[i]);
        }
    }

    std::string out = unc ? "\\\\" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) out += '\\';
        out += kept[i];
    }
    // A drive root keeps its backslash.
    if (!unc && kept.size() == 1) out += '\\';
    return out;
}

std::string SimFiles::folderOf(const std::string& fullPath) {
    const std::size_t slash = fullPath.find_last_of("\\/");
    if (slash == std::string::npos) return fullPath;
    std::string folder = fullPath.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

}  // namespace sim
