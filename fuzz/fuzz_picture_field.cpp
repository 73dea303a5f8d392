// Random masks, designators and editing streams through the masked time field's engine: the
// text always has one character per mask position, caret and selection stay inside it, and a
// valid time always reads back from its own text.
#include "timeentry/entry_errors.h"
#include "timeentry/picture_editor.h"
#include "timeentry/unicode_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    std::string text(std::size_t maxLength) {
        std::string s;
        for (std::size_t n = byte() % (maxLength + 1); n > 0 && more(); --n)
            s.push_back(static_cast<char>(byte()));
        return s;
    }
};

std::string randomMask(Input& in) {
    static const char pieces[] = "hhmmsstHMS:. -/";
    std::string mask;
    for (int n = 1 + in.byte() % 12; n > 0; --n)
        mask.push_back(pieces[in.byte() % (sizeof pieces - 1)]);
    return mask;
}

void checkInvariants(const vz::TVzPictureEditor& ed) {
    check(ed.length() == ed.mask().length());
    check(ed.caret() >= 0 && ed.caret() <= ed.length());
    check(ed.selStart() >= 0 && ed.selStart() <= ed.selEnd() && ed.selEnd() <= ed.length());
    for (int p = 0; p < ed.length(); ++p)
        if (!ed.mask().isEditable(p))
            check(ed.chars()[static_cast<std::size_t>(p)] ==
                  ed.mask().literalAt(p, ed.designators()));
    const int t = ed.time();
    check(t >= vz::TimeMask::NoTime && t < 86400);
    if (t != vz::TimeMask::NoTime)
        check(ed.mask().read(ed.mask().format(t, ed.designators()), ed.designators()) == t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    vz::TimeDesignators designators;
    if (in.byte() & 1) {
        designators.am = vz::toUtf32(in.text(6)).substr(0, 5);
        designators.pm = vz::toUtf32(in.text(6)).substr(0, 5);
        designators.separator = static_cast<char32_t>(0x20 + in.byte());
    }
    vz::TVzPictureEditor ed;
    try {
        ed = vz::TVzPictureEditor(vz::TimeMask::parse(in.byte() & 1 ? randomMask(in) : "hh:mm tt"),
                                  designators);
    } catch (const vz::EInvalidPictureMask&) {
        return 0;
    }
    while (in.more()) {
        const std::uint8_t op = in.byte();
        switch (op % 12) {
        case 0:
        case 1:
        case 2:
            ed.command(in.byte() % (vz::ccLastNamed + 1));
            break;
        case 3:
        case 4:
            ed.typeChar(static_cast<char32_t>(in.byte() | (op & 0x80 ? in.byte() << 8 : 0)));
            break;
        case 5:
            ed.paste(in.text(16));
            break;
        case 6:
            ed.mousePress(static_cast<int>(in.byte()) - 8, op & 0x10);
            break;
        case 7:
            ed.mouseDrag(static_cast<int>(in.byte()) - 8);
            ed.selectWordAt(static_cast<int>(in.byte()) - 8);
            break;
        case 8:
            ed.step(op & 0x10, op & 0x20, static_cast<double>(static_cast<std::int8_t>(in.byte())));
            break;
        case 9:
            ed.setText(in.text(12));
            break;
        case 10:
            ed.setTime(static_cast<int>(in.byte() * 400) - 1000);
            break;
        default:
            ed.validate();
            ed.normalise();
            ed.enter(op & 0x10, op & 0x20, op & 0x40);
            ed.cut();
            break;
        }
        checkInvariants(ed);
    }
    return 0;
}
