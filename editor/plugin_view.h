#pragma once
// The plug-in's window: a 780 x 380 panel of embedded artwork with the
// microphone selectors, level meters and peak LEDs, gain knobs, solo buttons and the
// proximity switch of both capsule columns, the frequency graph, and the help and
// credits overlays. It wires every control to its parameter and routes the
// controller's parameter values and level values to the controls.
//
// The panel is drawn at a factor (editor/editor_scale.h): the host's content scale
// (IPlugViewContentScaleSupport) times the zoom the user picks from the list a right-click
// on the panel opens, kept by the controller. The views keep the panel's 780 x 380
// coordinates at every factor; the window is that size times the factor, which the host
// is asked to take (resizeView). The user cannot drag the window to another size.
//
// Everything here runs on the host's user-interface thread; the view never touches
// anything the audio thread uses.

#include <type_traits>

#include "controller/parameters.h"
#include "controller/view_target.h"
#include "controls/edit_gestures.h"
#include "editor/editor_scale.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "sdk/vstgui_editor.h"
#include "toolkit/ccontrol.h"

class FreqGraph;
class MicrophoneData;

namespace VSTGUI {
class CVuMeter;
class CMovieButton;
class DisplayKnob;
class ExpandableButton;
}  // namespace VSTGUI

namespace Steinberg::Vst {

class Peak2Frame;
class SoloFrame;
class GainerFrame;

class ZoomMenu;

class PlugIn_View : public VSTGUIEditor,
                    public VSTGUI::CControlListener,
                    public PlugIn_ViewTarget,
                    public IPlugViewContentScaleSupport {
 public:
  // The stereo build's gains are value knobs, the mono build's knob-and-caption frames.
  using GainControl = std::conditional_t<LOBESHIFT_STEREO != 0, VSTGUI::DisplayKnob, GainerFrame>;
  static constexpr int kLevelCount = 2 * kPairCount;

  explicit PlugIn_View(EditController* controller);
  ~PlugIn_View() override;

  //--- VSTGUIEditor: build and tear down the panel.
  // False, changing nothing, when the panel is already open or the window cannot be made.
  bool PLUGIN_API open(void* parent, const VSTGUI::PlatformType& type) override;
  void PLUGIN_API close() override;

  //--- VSTGUIEditorInterface: the toolkit's notifications carry control tags, not
  // parameter IDs, so they do not go to the host; the controls bracket their own
  // gestures with the parameters they edit.
  void beginEdit(int32_t /*index*/) override {}
  void endEdit(int32_t /*index*/) override {}

  //--- IPlugView
  tresult PLUGIN_API canResize() override { return kResultFalse; }
  // A factor the host set before applies here: the host is told the size once more.
  tresult PLUGIN_API attached(void* parent, FIDString type) override;

  //--- IPlugViewContentScaleSupport: the host's factor, clamped to 1 to 4; a factor that is
  // not a number or infinite is ignored (kResultFalse).
  tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) override;

  //--- FUnknown: the view's interfaces and the content scale support.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override { return VSTGUIEditor::addRef(); }
  uint32 PLUGIN_API release() override { return VSTGUIEditor::release(); }

  //--- CControlListener: the proximity switch and the two selectors.
  void valueChanged(VSTGUI::CControl* control) override;
  void controlBeginEdit(VSTGUI::CControl* control) override;
  void controlEndEdit(VSTGUI::CControl* control) override;

  //--- PlugIn_ViewTarget
  void updateParameter(ParamID tag, float plain) override;
  void updateLevels(uint32 kind, const void* values) override;
  void updateZoom(double zoom) override;

  bool isOpen() const { return frame != nullptr; }
  const EditorScale& scale() const { return scale_; }
  // The zoom list opened by a right-click at `where` (panel coordinates), and what it
  // shows while open (null when closed).
  void openZoomMenu(const VSTGUI::CPoint& where);
  ZoomMenu* zoomMenu() const { return zoomMenu_; }

 private:
  void buildPanel();
  void forgetControls();
  void showMicrophone(ParamID selector, float plain);
  // The view's size and the frame's scale follow the factor; the host is asked to resize.
  void applyScale();
  void chooseZoom(double zoom);
  void closeZoomMenu();

  MicrophoneData* microphones_;  // one counted reference for the view's whole life
  EditorScale scale_;
  ZoomMenu* zoomMenu_ = nullptr;  // one reference held while the list is open
  lobeshift::EditGestures gestures_;
  VSTGUI::CVuMeter* meters_[kLevelCount] = {};  // in the order of the level values
  GainControl* gains_[kLevelCount] = {};        // by gain parameter: index = ID - 10
  SoloFrame* soloFrame_ = nullptr;
  VSTGUI::CMovieButton* proximitySwitch_ = nullptr;
  Peak2Frame* peakFrame_ = nullptr;
  FreqGraph* graph_ = nullptr;
  VSTGUI::ExpandableButton* omniSelector_ = nullptr;
  VSTGUI::ExpandableButton* eightSelector_ = nullptr;
};

}  // namespace Steinberg::Vst
