#pragma once
// A rectangle (left, top, right, bottom) in view coordinates; right and bottom are
// exclusive, so a rectangle (0, 0, 10, 10) covers 10 x 10 pixels.

#include "toolkit/cpoint.h"

namespace VSTGUI {

struct CRect {
  CCoord left = 0;
  CCoord top = 0;
  CCoord right = 0;
  CCoord bottom = 0;

  constexpr CRect() = default;
  constexpr CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}
  // From an origin and a size (width, height).
  constexpr CRect(const CPoint& origin, const CPoint& size)
      : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y) {}

  CRect& operator()(CCoord l, CCoord t, CCoord r, CCoord b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
    return *this;
  }
  bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const CRect& o) const { return !(*this == o); }

  CCoord getWidth() const { return right - left; }
  CCoord getHeight() const { return bottom - top; }
  CRect& setWidth(CCoord width) {
    right = left + width;
    return *this;
  }
  CRect& setHeight(CCoord height) {
    bottom = top + height;
    return *this;
  }
  CPoint getTopLeft() const { return CPoint(left, top); }
  CPoint getTopRight() const { return CPoint(right, top); }
  CPoint getBottomLeft() const { return CPoint(left, bottom); }
  CPoint getBottomRight() const { return CPoint(right, bottom); }
  CPoint getSize() const { return CPoint(getWidth(), getHeight()); }
  CPoint getCenter() const { return CPoint(left + getWidth() / 2, top + getHeight() / 2); }

  CRect& offset(CCoord dx, CCoord dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
    return *this;
  }
  CRect& offset(const CPoint& delta) { return offset(delta.x, delta.y); }
  // Moves the rectangle so that its top-left corner is (x, y); the size stays.
  CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
  CRect& moveTo(const CPoint& where) { return moveTo(where.x, where.y); }
  // Shrinks by dx on the left and the right and by dy at the top and the bottom
  // (negative values enlarge).
  CRect& inset(CCoord dx, CCoord dy) {
    left += dx;
    right -= dx;
    top += dy;
    bottom -= dy;
    return *this;
  }
  CRect& inset(const CPoint& delta) { return inset(delta.x, delta.y); }
  CRect& extend(CCoord dx, CCoord dy) { return inset(-dx, -dy); }
  // Centres this rectangle's size on the other rectangle's centre.
  CRect& centerInside(const CRect& other) {
    const CPoint centre = other.getCenter();
    return moveTo(centre.x - getWidth() / 2, centre.y - getHeight() / 2);
  }

  // Intersection with `other`; an empty result keeps zero width or height.
  CRect& bound(const CRect& other) {
    if (left < other.left) left = other.left;
    if (top < other.top) top = other.top;
    if (right > other.right) right = other.right;
    if (bottom > other.bottom) bottom = other.bottom;
    if (right < left) right = left;
    if (bottom < top) bottom = top;
    return *this;
  }
  // Smallest rectangle holding both; an empty rectangle adds nothing.
  CRect& unite(const CRect& other) {
    if (other.isEmpty()) return *this;
    if (isEmpty()) return *this = other;
    if (other.left < left) left = other.left;
    if (other.top < top) top = other.top;
    if (other.right > right) right = other.right;
    if (other.bottom > bottom) bottom = other.bottom;
    return *this;
  }
  bool rectOverlap(const CRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool pointInside(const CPoint& where) const {
    return where.x >= left && where.x < right && where.y >= top && where.y < bottom;
  }
  bool rectInside(const CRect& other) const {
    return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
  }
  bool isEmpty() const { return !(right > left) || !(bottom > top); }
  CRect& normalize() {
    if (left > right) {
      const CCoord swap = left;
      left = right;
      right = swap;
    }
    if (top > bottom) {
      const CCoord swap = top;
      top = bottom;
      bottom = swap;
    }
    return *this;
  }
};

inline bool CPoint::isInside(const CRect& rect) const { return rect.pointInside(*this); }

}  // namespace VSTGUI
