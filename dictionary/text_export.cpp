#include "dictionary/text_export.h"

namespace text_export {
namespace {

constexpr std::size_t kFieldWidth = 32;
constexpr const char* kLineEnd = "\r\n";

// As "%32s": blanks in front up to the width; a longer text is kept whole.
std::string field(const std::string& text) {
    if (text.size() >= kFieldWidth) return text;
    return std::string(kFieldWidth - text.size(), ' ') + text;
}

}  // namespace

std::string Header(int count) {
    return "Un total de: " + std::to_string(count) + " registros introducidos" + kLineEnd +
           kLineEnd;
}

std::string WordLine(const std::string& word, const std::string& folded, int count) {
    return field(word) + " " + field(folded) + " " + std::to_string(count) + "  " + kLineEnd;
}

std::string PairLine(const std::string& first, const std::string& next,
                     const std::string& nextFolded, int count) {
    return field(first) + " " + field(next) + " " + field(nextFolded) + " " +
           std::to_string(count) + "  " + kLineEnd;
}

File::File(const std::string& hostPath) : file_(std::fopen(hostPath.c_str(), "w+b")) {}

void File::write(const std::string& bytes) {
    if (!file_ || failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) failed_ = true;
}

bool File::close() {
    if (!file_) return false;
    const bool flushed = std::fflush(file_.get()) == 0 && std::ferror(file_.get()) == 0;
    const bool closed = std::fclose(file_.release()) == 0;
    return !failed_ && flushed && closed;
}

}  // namespace text_export
