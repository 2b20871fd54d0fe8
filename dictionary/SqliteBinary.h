// Bytes kept either raw or encoded as a text with neither NUL bytes nor
// apostrophes, so that binary data can stand inside a quoted SQL literal.
#pragma once

// Writes the encoding of the n bytes of in to out, NUL-terminated, and returns
// its length. out must hold 3 + (257 * n) / 254 bytes.
int encodeBinary(const unsigned char* in, int n, unsigned char* out);
// Writes the bytes encoded by the NUL-terminated text in to out and returns
// their number, or -1 for a malformed text. in and out may be the same block.
int decodeBinary(const unsigned char* in, unsigned char* out);

class SqliteBinary {
public:
    SqliteBinary();
    SqliteBinary(const SqliteBinary&) = delete;
    SqliteBinary& operator=(const SqliteBinary&) = delete;
    ~SqliteBinary();

    void clear();
    // A block for n raw bytes, large enough for their encoding.
    unsigned char* allocate(int n);
    void setRaw(const unsigned char* bytes, int n);
    void setEncoded(const unsigned char* text);
    const unsigned char* encoded();
    const unsigned char* raw();
    int rawLength();

private:
    unsigned char* buffer_;
    int rawLength_;
    int bufferLength_;
    int encodedLength_;
    bool isEncoded_;
};
