#pragma once
// Writes the microphone document in its fixed text form: plain ASCII, CRLF line
// ends, one element per line without indentation, values in fixed decimals.

#include <string>

#include "tools/polarxml/microphone_models.h"

namespace polarxml {

std::string writeDocument(const ModelledDocument& document);

}  // namespace polarxml
