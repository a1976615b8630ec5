#include "toolkit/cfont.h"

namespace VSTGUI {

CFontDesc::CFontDesc(UTF8StringPtr name, const CCoord& size, const int32_t style)
    : name_(name ? name : ""), size_(size), style_(style) {}

namespace {
// Statically allocated and never released: their reference count starts at one and
// only callers that remembered them forget them again.
CFontDesc systemFont("DejaVu Sans", 12);
CFontDesc normalFontVeryBig("DejaVu Sans", 18);
CFontDesc normalFontBig("DejaVu Sans", 14);
CFontDesc normalFont("DejaVu Sans", 12);
CFontDesc normalFontSmall("DejaVu Sans", 11);
CFontDesc normalFontSmaller("DejaVu Sans", 10);
CFontDesc normalFontVerySmall("DejaVu Sans", 9);
}  // namespace

const CFontRef kSystemFont = &systemFont;
const CFontRef kNormalFontVeryBig = &normalFontVeryBig;
const CFontRef kNormalFontBig = &normalFontBig;
const CFontRef kNormalFont = &normalFont;
const CFontRef kNormalFontSmall = &normalFontSmall;
const CFontRef kNormalFontSmaller = &normalFontSmaller;
const CFontRef kNormalFontVerySmall = &normalFontVerySmall;

}  // namespace VSTGUI
