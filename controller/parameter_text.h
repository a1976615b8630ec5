#pragma once
// The text a host shows for a parameter's value, and the value of text a user types,
// in the parameter's own terms: frequencies in Hz, gains in dB with a sign, pattern
// types as the omni weight and the nearest first-order pattern ("0.50 cardioid"),
// microphone types as the model's name, the solo state as its short name (each
// fits a VST 2 display), proximity
// compensation as "on" or "off". The units are reported apart from the text, as the
// host registered them.
//
// Typed text is read in the same terms, ignoring case and surrounding space: numbers
// with or without the unit and with "k" for thousands ("1k", "1.2 kHz", "-3 dB"), the
// names above; numbers out of range are clamped. Main thread only (text is made and
// read where hosts draw and edit, never on the audio thread).

#include <optional>
#include <string>
#include <string_view>

#include "controller/parameter_table.h"

class MicrophoneData;

// `models` names the microphone types; without it (or without a model) a type shows
// its index.
std::string parameterText(ParameterId id, double plain, const MicrophoneData* models);

// The plain value the text stands for, clamped to the parameter's range; nothing when
// the text cannot be read.
std::optional<double> parameterValueOfText(ParameterId id, std::string_view text,
                                           const MicrophoneData* models);
