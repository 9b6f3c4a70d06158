#include "app/KeyReference.h"

#include <cstdio>

namespace trovane {

void printKeyReference() {
    std::fputs(kTitleLine, stdout);
    std::fputs("\n", stdout);
    for (const char* line : keyReference) {
        std::fputs(line, stdout);
    }
}

} // namespace trovane
