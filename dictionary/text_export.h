// The text exports of the dictionary: their lines, and the file they go to.
// Lines end in CR LF on every platform.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace text_export {

// "Un total de: <n> registros introducidos", a line end and an empty line.
std::string Header(int count);
// palabra and pSinAcento right-aligned in 32 characters, then repPal.
std::string WordLine(const std::string& word, const std::string& folded, int count);
// palabra, siguiente and sSinAcento right-aligned in 32 characters, then repSig.
std::string PairLine(const std::string& first, const std::string& next,
                     const std::string& nextFolded, int count);

// A file created empty (or emptied) for writing. Every write after a failed
// one is skipped, so that the caller asks once, at close, whether all went.
class File {
public:
    explicit File(const std::string& hostPath);
    bool isOpen() const { return file_ != nullptr; }
    void write(const std::string& bytes);
    // True when the file was opened, every write succeeded and it was closed.
    bool close();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    bool failed_ = false;
};

}  // namespace text_export
