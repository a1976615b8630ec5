#pragma once
// A point in view coordinates (y grows downward).

#include "toolkit/cbaseobject.h"

namespace VSTGUI {

struct CRect;

struct CPoint {
  CCoord x = 0;
  CCoord y = 0;

  constexpr CPoint() = default;
  constexpr CPoint(CCoord xValue, CCoord yValue) : x(xValue), y(yValue) {}

  CPoint& operator()(CCoord xValue, CCoord yValue) {
    x = xValue;
    y = yValue;
    return *this;
  }
  CPoint& offset(CCoord dx, CCoord dy) {
    x += dx;
    y += dy;
    return *this;
  }
  CPoint& offset(const CPoint& delta) { return offset(delta.x, delta.y); }
  CPoint& operator+=(const CPoint& other) { return offset(other.x, other.y); }
  CPoint& operator-=(const CPoint& other) { return offset(-other.x, -other.y); }
  CPoint operator+(const CPoint& other) const { return CPoint(x + other.x, y + other.y); }
  CPoint operator-(const CPoint& other) const { return CPoint(x - other.x, y - other.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
  bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
  bool operator!=(const CPoint& other) const { return !(*this == other); }

  // True when the point lies in the rectangle (left and top edges included).
  bool isInside(const CRect& rect) const;
};

}  // namespace VSTGUI
