#pragma once
// A view that holds a value between a minimum and a maximum, identified by a tag and
// reporting to a listener. An edit runs from beginEdit to endEdit; both are passed to
// the frame (and from there to the editor) as well as to the listener.
//
// A control is dirty whenever its value differs from the value it last drew, so
// setting a value is enough to have it redrawn at the frame's next idle().

#include "toolkit/cview.h"

namespace VSTGUI {

class CControl;

class CControlListener {
 public:
  virtual ~CControlListener() = default;
  virtual void valueChanged(CControl* control) = 0;
  // A press with a modifier key or the right button; non-zero swallows the press.
  virtual int32_t controlModifierClicked(CControl* /*control*/, CButtonState /*button*/) {
    return 0;
  }
  virtual void controlBeginEdit(CControl* /*control*/) {}
  virtual void controlEndEdit(CControl* /*control*/) {}
  virtual void controlTagWillChange(CControl* /*control*/) {}
  virtual void controlTagDidChange(CControl* /*control*/) {}
};

// Styles shared by the controls.
enum CControlStyle : int32_t {
  kHorizontal = 1 << 0,
  kVertical = 1 << 1,
  kShadowText = 1 << 2,
  k3DIn = 1 << 3,
  k3DOut = 1 << 4,
  kNoTextStyle = 1 << 11,
  kNoDrawStyle = 1 << 12,
  kNoFrame = 1 << 14,
};

class CControl : public CView {
 public:
  CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = 0,
           CBitmap* background = nullptr);
  CControl(const CControl& other);
  ~CControl() override;

  // The value is kept between minimum and maximum (a value that is not a number
  // becomes the minimum).
  virtual void setValue(float val);
  virtual float getValue() const { return value; }
  // The value as a fraction of the range, 0 to 1.
  virtual void setValueNormalized(float val);
  virtual float getValueNormalized() const;
  virtual void setMin(float val) { vmin = val; }
  virtual float getMin() const { return vmin; }
  virtual void setMax(float val) { vmax = val; }
  virtual float getMax() const { return vmax; }
  float getRange() const { return vmax - vmin; }
  virtual void setOldValue(float val) { oldValue = val; }
  virtual float getOldValue() const { return oldValue; }
  virtual void setDefaultValue(float val) { defaultValue = val; }
  virtual float getDefaultValue() const { return defaultValue; }
  virtual void setWheelInc(float val) { wheelInc = val; }
  virtual float getWheelInc() const { return wheelInc; }
  virtual void setTag(int32_t val);
  int32_t getTag() const { return tag; }
  virtual void setListener(CControlListener* newListener) { listener = newListener; }
  CControlListener* getListener() const { return listener; }

  // Edits: beginEdit tells the frame, then the listener; endEdit likewise.
  virtual void beginEdit();
  virtual void endEdit();
  bool isEditing() const { return editing_ > 0; }
  // Tells the listener that the value has changed.
  virtual void valueChanged();
  // Brings the value back between minimum and maximum.
  virtual void bounceValue();

  bool isDirty() const override;
  void setDirty(const bool state = true) override;

  CLASS_METHODS(CControl, CView)

 protected:
  // Named as in the toolkit's original interface, which derived controls use directly.
  float value = 0.f;
  float oldValue = 1.f;
  float defaultValue = 0.5f;
  float vmin = 0.f;
  float vmax = 1.f;
  float wheelInc = 0.1f;
  int32_t tag;
  CControlListener* listener;

 private:
  int32_t editing_ = 0;
};

// A control drawn from a filmstrip: several images of equal height stacked vertically.
class IMultiBitmapControl {
 public:
  virtual ~IMultiBitmapControl() = default;
  virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
  virtual CCoord getHeightOfOneImage() const { return heightOfOneImage; }
  virtual void setNumberOfImages(int32_t count) { subPixmaps = count; }
  virtual int32_t getNumberOfImages() const { return subPixmaps; }
  // Takes the control's view height as the height of one image.
  virtual void autoComputeHeightOfOneImage();

 protected:
  IMultiBitmapControl() = default;
  CCoord heightOfOneImage = 0;
  int32_t subPixmaps = 0;
};

}  // namespace VSTGUI
