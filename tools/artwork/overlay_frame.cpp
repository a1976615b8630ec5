#include "tools/artwork/overlay_frame.h"

#include "tools/artwork/artwork.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/title_bar.h"

namespace artwork {

using namespace palette;

void drawOverlayFrame(Canvas& canvas, const OverlayTitle& title) {
  canvas.fillRect(0, 0, canvas.width(), canvas.height(), kWindow);
  const double nameRight = drawTitleBar(canvas, title.product);
  const TextStyle topic{Font::Regular, 15, kHeaderDim};
  canvas.text(topic, nameRight + 10, 21, Align::Left, title.topic);
  const TextStyle hint{Font::Regular, 10, kHeaderDim};
  canvas.text(hint, canvas.width() - 14, 19, Align::Right, "Click anywhere to close");
}

double drawOverlayCard(Canvas& canvas, double x, double y, double width, double height,
                       const char* heading) {
  canvas.box(x, y, width, height, 5, kPanel, kPanelBorder);
  const TextStyle style{Font::CondensedBold, 10, kAccent, 1};
  canvas.text(style, x + 12, y + 20, Align::Left, heading);
  canvas.fillRect(x + 12, y + 27, width - 24, 1, kGridMajor);
  return y + 36;
}

void paintPieceRows(Canvas& canvas, const char* piece, double x, double y, double sourceY,
                    double height) {
  const auto source = renderPiece(piece);
  if (source == nullptr || !source->ok()) return;
  canvas.paint(*source, x, y, sourceY, height);
}

}  // namespace artwork
