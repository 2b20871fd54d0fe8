// Checks of the Win32 settings and file names that need no window, run under
// Wine: registry values round-trip, and a dictionary path with non-ASCII
// bytes opens both in SQLite (sqlitePath) and with fopen (hostPath).
#include <sqlite3.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Settings.h"

namespace {

int failures = 0;
int passes = 0;

void expect(bool condition, const std::string& what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAIL", what.c_str());
    ++(condition ? passes : failures);
}

void checkSettings() {
    const std::string key = "SOFTWARE\\PelvokE2ECheck";
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    win32::Win32Settings settings;
    expect(!settings.openKey(key), "a missing key does not open");
    expect(!settings.readValue(key, "Zoom"), "a value of a missing key reads as none");
    settings.writeValue(key, "Zoom", "3");  // ignored: no key
    settings.createKey(key);
    expect(settings.openKey(key), "a created key opens");
    expect(!settings.readValue(key, "Zoom"), "a write to a missing key was ignored");

    struct Case {
        const char* name;
        std::string value;
    };
    const Case cases[] = {{"Zoom", "3"},
                          {"ruta_BD", "C:\\datos\\diccionarios\\espa\xF1ol.dic"},
                          {"nombre_BD", ""},
                          {"largo", std::string(5000, 'x')}};
    for (const Case& c : cases) {
        settings.writeValue(key, c.name, c.value);
        auto read = settings.readValue(key, c.name);
        expect(read && *read == c.value, std::string("value ") + c.name + " round-trips");
        // Stored as REG_SZ with its terminating NUL.
        DWORD type = 0;
        DWORD size = 0;
        HKEY handle = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle);
        RegQueryValueExA(handle, c.name, nullptr, &type, nullptr, &size);
        RegCloseKey(handle);
        expect(type == REG_SZ && size == c.value.size() + 1,
               std::string("value ") + c.name + " is REG_SZ of length + 1");
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

void checkPaths() {
    win32::Win32Files files;
    std::string folder = files.currentDirectory() + "\\pelvok-e2e-\xF1";
    files.createDirectory(folder);
    files.createDirectory(folder);  // an existing folder is no error
    std::string path = folder +
                       "\\d\xED"
                       "a.dic";
    DeleteFileA(path.c_str());

    sqlite3* db = nullptr;
    int opened = sqlite3_open(files.sqlitePath(path).c_str(), &db);
    int created =
        sqlite3_exec(db, "CREATE TABLE palabras (palabra TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    expect(opened == SQLITE_OK && created == SQLITE_OK, "SQLite creates the dictionary");

    char header[16] = {};
    std::FILE* file = std::fopen(files.hostPath(path).c_str(), "rb");
    if (file) {
        std::fread(header, 1, sizeof(header), file);
        std::fclose(file);
    }
    expect(file && std::memcmp(header, "SQLite format 3", 15) == 0,
           "fopen finds the file SQLite made, under the same name");
    // The file has the intended name, not a mangled one.
    expect(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES,
           "the file carries its Windows-1252 name");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main() {
    checkSettings();
    checkPaths();
    std::printf("platform-check: %d passed, %d failed\n", passes, failures);
    return failures ? 1 : 0;
}
