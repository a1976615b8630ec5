#pragma once
// A font description: family name, size in pixels and face style. Families that are
// not installed draw with the closest installed face (platform/font_faces.h):
// "Verdana" draws with DejaVu Sans.

#include <string>

#include "toolkit/cbaseobject.h"

namespace VSTGUI {

enum CTxtFace : int32_t {
  kNormalFace = 0,
  kBoldFace = 1 << 1,
  kItalicFace = 1 << 2,
  kUnderlineFace = 1 << 3,
  kStrikethroughFace = 1 << 4,
};

class CFontDesc : public CBaseObject {
 public:
  CFontDesc(UTF8StringPtr name = nullptr, const CCoord& size = 0,
            const int32_t style = kNormalFace);

  UTF8StringPtr getName() const { return name_.c_str(); }
  CCoord getSize() const { return size_; }
  int32_t getStyle() const { return style_; }
  void setName(UTF8StringPtr name) { name_ = name ? name : ""; }
  void setSize(CCoord size) { size_ = size; }
  void setStyle(int32_t style) { style_ = style; }

  CLASS_METHODS(CFontDesc, CBaseObject)

 private:
  std::string name_;
  CCoord size_;
  int32_t style_;
};

using CFontRef = CFontDesc*;

// Shared fonts that live as long as the module; never forget them.
extern const CFontRef kSystemFont;
extern const CFontRef kNormalFontVeryBig;
extern const CFontRef kNormalFontBig;
extern const CFontRef kNormalFont;
extern const CFontRef kNormalFontSmall;
extern const CFontRef kNormalFontSmaller;
extern const CFontRef kNormalFontVerySmall;

}  // namespace VSTGUI
