#include "dictionary/SqliteBinary.h"

#include <cstdlib>
#include <cstring>

#include "dictionary/SqliteException.h"

namespace {

constexpr int kApostrophe = 39;
constexpr unsigned char kEscape = 0x01;

// The block size for n raw bytes: room for their encoding in the worst case.
long long encodedCapacity(int n) { return 3 + (257LL * n) / 254; }

unsigned char* allocateBlock(long long size) {
    void* block = size > 0 && size <= 0x7FFFFFFF ? std::malloc(static_cast<size_t>(size)) : nullptr;
    if (!block) throw SqliteException(SqliteException::kLayerError, "Cannot allocate memory");
    return static_cast<unsigned char*>(block);
}

}  // namespace

int encodeBinary(const unsigned char* in, int n, unsigned char* out) {
    if (n <= 0) {
        out[0] = 'x';
        out[1] = 0;
        return 1;
    }
    int count[256] = {};
    for (int i = 0; i < n; ++i) ++count[in[i]];

    // The offset that leaves the fewest bytes to escape: those landing on
    // 0 (the terminator), 1 (the escape) and 39 (the apostrophe).
    int best = n;
    int offset = 1;
    for (int i = 1; i < 256; ++i) {
        if (i == kApostrophe) continue;
        int sum = count[i] + count[(i + 1) % 256] + count[(i + kApostrophe) % 256];
        if (sum < best) {
            best = sum;
            offset = i;
            if (sum == 0) break;
        }
    }

    int length = 0;
    out[length++] = static_cast<unsigned char>(offset);
    for (int i = 0; i < n; ++i) {
        int d = (in[i] - offset + 256) % 256;
        if (d == 0 || d == 1) {
            out[length++] = kEscape;
            out[length++] = static_cast<unsigned char>(d + 1);
        } else if (d == kApostrophe) {
            out[length++] = kEscape;
            out[length++] = 3;
        } else {
            out[length++] = static_cast<unsigned char>(d);
        }
    }
    out[length] = 0;
    return length;
}

int decodeBinary(const unsigned char* in, unsigned char* out) {
    // Every encoding starts with its offset byte; an empty text is none.
    if (in[0] == 0) return -1;
    int offset = in[0];
    int length = 0;
    for (const unsigned char* c = in + 1; *c; ++c) {
        int value = *c;
        if (value == kEscape) {
            ++c;
            switch (*c) {
                case 1:
                    value = 0;
                    break;
                case 2:
                    value = 1;
                    break;
                case 3:
                    value = kApostrophe;
                    break;
                default:
                    return -1;
            }
        }
        out[length++] = static_cast<unsigned char>((value + offset) % 256);
    }
    return length;
}

SqliteBinary::SqliteBinary()
    : buffer_(nullptr), rawLength_(0), bufferLength_(0), encodedLength_(0), isEncoded_(false) {}

SqliteBinary::~SqliteBinary() { clear(); }

void SqliteBinary::clear() {
    std::free(buffer_);
    buffer_ = nullptr;
    rawLength_ = 0;
    bufferLength_ = 0;
    encodedLength_ = 0;
    isEncoded_ = false;
}

unsigned char* SqliteBinary::allocate(int n) {
    clear();
    if (n < 0) throw SqliteException(SqliteException::kLayerError, "Cannot allocate memory");
    long long capacity = encodedCapacity(n);
    buffer_ = allocateBlock(capacity);
    rawLength_ = n;
    bufferLength_ = static_cast<int>(capacity);
    isEncoded_ = false;
    return buffer_;
}

void SqliteBinary::setRaw(const unsigned char* bytes, int n) {
    allocate(n);
    if (n > 0) std::memcpy(buffer_, bytes, static_cast<size_t>(n));
}

void SqliteBinary::setEncoded(const unsigned char* text) {
    clear();
    size_t length = std::strlen(reinterpret_cast<const char*>(text));
    buffer_ = allocateBlock(static_cast<long long>(length) + 1);
    std::memcpy(buffer_, text, length + 1);
    encodedLength_ = static_cast<int>(length);
    bufferLength_ = encodedLength_ + 1;
    isEncoded_ = true;
}

const unsigned char* SqliteBinary::encoded() {
    if (!isEncoded_) {
        // A fresh block of the worst-case size: the one held may have come
        // from a shorter encoded text.
        unsigned char* block = allocateBlock(encodedCapacity(rawLength_));
        encodedLength_ = encodeBinary(buffer_, rawLength_, block);
        std::free(buffer_);
        buffer_ = block;
        bufferLength_ = static_cast<int>(encodedCapacity(rawLength_));
        isEncoded_ = true;
    }
    return buffer_;
}

const unsigned char* SqliteBinary::raw() {
    if (isEncoded_) {
        // Decoded into a copy, so a malformed text stays as it was.
        unsigned char* block = allocateBlock(bufferLength_);
        int length = decodeBinary(buffer_, block);
        if (length < 0) {
            std::free(block);
            throw SqliteException(SqliteException::kLayerError, "Cannot decode binary");
        }
        std::free(buffer_);
        buffer_ = block;
        rawLength_ = length;
        isEncoded_ = false;
    }
    return buffer_;
}

int SqliteBinary::rawLength() {
    raw();
    return rawLength_;
}
