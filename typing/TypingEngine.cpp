#include "typing/TypingEngine.h"

TypingEngine::TypingEngine(platform::Platform& platform) : KeyboardDictionary(platform) {}

TypingEngine::~TypingEngine() = default;

int TypingEngine::fileDialogKind() const { return layout ? layout->getFileDialogKind() : 0; }

void TypingEngine::setFileDialogKind(int kind) {
    if (layout) layout->setFileDialogKind(kind);
}
