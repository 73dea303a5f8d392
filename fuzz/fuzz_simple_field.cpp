// Random editing streams through the simple text field's engine: the text never grows past its
// maximum length, caret and selection stay inside it, and typed or pasted characters never
// bring in control characters.
#include "timeentry/simple_editor.h"
#include "timeentry/unicode_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    auto byte = [&]() -> std::uint8_t {
        return at < size ? data[at++] : 0;
    };
    auto text = [&](std::size_t maxLength) {
        std::string s;
        for (std::size_t n = byte() % (maxLength + 1); n > 0 && at < size; --n)
            s.push_back(static_cast<char>(byte()));
        return s;
    };
    vz::TVzSimpleEditor ed;
    ed.setMaxLength(1 + byte() % 48);
    bool written = false; // a programmatic write may carry anything
    while (at < size) {
        const std::uint8_t op = byte();
        switch (op % 10) {
        case 0:
        case 1:
        case 2:
            ed.command(byte() % (vz::ccLastNamed + 1));
            break;
        case 3:
        case 4:
            ed.typeChar(static_cast<char32_t>(byte() | (op & 0x80 ? byte() << 8 : 0)));
            break;
        case 5:
            ed.paste(text(64));
            break;
        case 6:
            ed.mousePress(static_cast<int>(byte()) - 8, op & 0x10);
            ed.mouseDrag(static_cast<int>(byte()) - 8);
            break;
        case 7:
            ed.selectWordAt(static_cast<int>(byte()) - 8);
            ed.cut();
            break;
        case 8:
            ed.setText(text(64));
            written = true;
            break;
        default:
            ed.trim();
            ed.enter(op & 0x10, op & 0x20, op & 0x40);
            if (op & 0x80)
                ed.setMaxLength(1 + byte() % 48);
            break;
        }
        check(ed.length() <= ed.maxLength());
        check(ed.caret() >= 0 && ed.caret() <= ed.length());
        check(ed.selStart() >= 0 && ed.selStart() <= ed.selEnd() && ed.selEnd() <= ed.length());
        if (!written)
            for (char32_t c : ed.chars())
                check(!vz::isControlChar(c));
    }
    return 0;
}
