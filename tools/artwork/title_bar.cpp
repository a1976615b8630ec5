#include "tools/artwork/title_bar.h"

#include "tools/artwork/palette.h"
#include "tools/artwork/pattern_icon.h"

namespace artwork {

double drawTitleBar(Canvas& canvas, const char* product) {
  using namespace palette;
  canvas.fillRect(0, 0, canvas.width(), 30, kHeader);
  canvas.fillRect(0, 30, canvas.width(), 1, kHeaderRule);
  // The cardioid, the middle of the range the plug-in shapes, is the product's mark.
  drawPatternIcon(canvas, 21, 15.5, 8, 0.5, kAccentLight, 2);
  const TextStyle name{Font::Bold, 17, kHeaderText};
  return 36 + canvas.text(name, 36, 21, Align::Left, product);
}

}  // namespace artwork
