#include "settings/view_defaults.h"

void DefaultViewOptions(ViewOptions* block) {
    block->colorBack = 0xFFFFFF;  // white
    block->colorInk = 0x969696;   // grey 150
    block->scale = 8;
    block->autoSize = 1;
    block->colorFigure = 0xFF8000;  // blue with some green (0x00BBGGRR)
    block->colorBorder = 0x804000;  // darker of the same
    block->shadow = 1;
    block->skinType = 1;
    block->skinIndex = 1;      // "2. Wood ashen"
    block->storePosition = 0;  // store on the left
    block->backType = 1;
    block->backIndex = 1;  // "2. Checkers"
}
