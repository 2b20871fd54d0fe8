#include "model/key_label.h"

namespace {

std::string commandLabel(unsigned code) {
    switch (code) {
        case 1:
            return "TL";
        case 2:
            return "TR";
        case 3:
            return "BL";
        case 4:
            return "BR";
        case 5:
            return "Off";
        case 6:
            return "|<-";
        case 7:
            return "<Word";
        case 8:
            return "BC";
        case 11:
            return "Copy";
        case 12:
            return "Paste";
        case 15:
            return "Bot";
        case 20:
            return "Zoom";
        case 21:
            return "<->";
        case 33:
            return "Cut";
        case 46:
            return "Del";
        default:
            return "?";
    }
}

std::string directLabel(unsigned code, bool upperCase, bool symbolsPage) {
    if (code >= 112 && code <= 120) {
        return "F" + std::to_string(code - 111);
    }
    switch (code) {
        case 2:
            return "Menu";
        case 8:
            return "<--";
        case 9:
            return "Tab";
        case 13:
            return "ENTER";
        case 14:
            return symbolsPage ? "$->a" : (upperCase ? "A->$" : "a->$");
        case 16:
            return "SHIFT";
        case 19:
            return "Undo";
        case 20:
            return symbolsPage ? "$->A" : (upperCase ? "A->a" : "a->A");
        case 27:
            return "Esc";
        case 30:
            return "Dic";
        case 31:
            return "|<";
        case 32:
            return ">|";
        case 37:
            return "<";
        case 38:
            return "^";
        case 39:
            return ">";
        case 40:
            return "v";
        default:
            return "?";
    }
}

unsigned char upper(unsigned char c) {
    // a-z, and the two lower-case letters the tables hold, c cedilla and n tilde.
    if ((c >= 'a' && c <= 'z') || c == 0xE7 || c == 0xF1) {
        return static_cast<unsigned char>(c - 0x20);
    }
    return c;
}

}  // namespace

std::string keyLabel(const Key& key, bool upperCase, bool symbolsPage) {
    const unsigned char code = key.getVirtualKey();
    if (key.isCommand()) {
        return commandLabel(code);
    }
    if (key.isDirect()) {
        return directLabel(code, upperCase, symbolsPage);
    }
    if (code == 0 || code == ' ') {
        return std::string();
    }
    return std::string(1, static_cast<char>(upperCase ? upper(code) : code));
}
