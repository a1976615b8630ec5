#pragma once
// The command line of editor-snapshot:
//   editor-snapshot_<build> --out FILE.png [--state FILE] [--set "Title=value"]...
//                           [--levels a,b[,c,d]] [--scale FACTOR]
// --set takes a parameter's title (any case) and a plain value in its units, with an
// optional unit ("8 kHz", "-3 dB"); --levels takes linear peaks, one per capsule
// (stereo: MicL omni, MicL eight, MicR omni, MicR eight; mono: omni, eight); --scale draws
// the editor at a factor from 1 to 4 (2 gives a 1560 x 760 picture).

#include <string>
#include <vector>

#include "controller/parameters.h"
#include "host/result.h"

namespace editor_snapshot {

struct PlainSetting {
  ParameterId id = 0;
  double plain = 0.0;
};

struct Options {
  std::string out;
  std::string state;
  std::vector<PlainSetting> settings;
  std::vector<float> levels;
  double scale = 1.0;
  bool help = false;
};

host::Result<Options> parseOptions(const std::vector<std::string>& arguments);
// "Title=value" for a parameter of this build.
host::Result<PlainSetting> parseSetting(const std::string& assignment);
const char* usage();

}  // namespace editor_snapshot
